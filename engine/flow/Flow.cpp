#include "engine/flow/Flow.h"

namespace {

// The runner starts flows only from the top: no flow running and no wait on the stack.
void AskForTheRunnerAtTheTop(Game& g)
{
    if (g.PendingFlow != FlowRequest::None && !g.FlowRunning && g.WaitDepth == 0)
        g.Plat.ScheduleFlowRunner();
}

}  // namespace

void RequestFlow(Game& g, FlowRequest request)
{
    // Exit outranks a new deal asked for in the same breath.
    if (g.PendingFlow != FlowRequest::Exit)
        g.PendingFlow = request;
    AskForTheRunnerAtTheTop(g);
}

void ReplaceFlow(Game& g, FlowRequest request)
{
    RequestFlow(g, request);
    throw FlowAbandoned{};
}

void ThrowIfAbandoned(Game& g)
{
    if (g.PendingFlow != FlowRequest::None)
        throw FlowAbandoned{};
}

void RunFlows(Game& g)
{
    if (g.FlowRunning || g.WaitDepth != 0)
        return;  // not at the top: the running flow, or the last wait to end, asks again
    g.FlowRunning = true;
    while (g.PendingFlow != FlowRequest::None) {
        const FlowRequest request = g.PendingFlow;
        g.PendingFlow = FlowRequest::None;
        if (request == FlowRequest::Exit) {
            g.FlowRunning = false;
            g.Plat.EndProgram();
            return;
        }
        ++g.FlowSerial;
        try {
            if (g.HandEntry)
                g.HandEntry(g);
        } catch (const FlowAbandoned&) {
        }
    }
    g.FlowRunning = false;
}

WaitScope::WaitScope(Game& g) : g_(g) { ++g_.WaitDepth; }

WaitScope::~WaitScope()
{
    --g_.WaitDepth;
    AskForTheRunnerAtTheTop(g_);
}
