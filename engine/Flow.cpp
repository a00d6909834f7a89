#include "engine/Flow.h"

void RequestFlow(Game& g, FlowRequest request)
{
    // Exit outranks a new deal asked for in the same breath.
    if (g.PendingFlow != FlowRequest::Exit)
        g.PendingFlow = request;
    if (!g.FlowRunning)
        g.Plat.ScheduleFlowRunner();
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
        return;  // not at the top of the event loop: the running flow will see the request
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
            g.HandEntry(g);
        } catch (const FlowAbandoned&) {
        }
    }
    g.FlowRunning = false;
}
