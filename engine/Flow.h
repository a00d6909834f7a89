#pragma once
// A game's flow (deal, first phase, second phase, next hand or game end) runs from the top of
// the event loop. New Game, "Play", the next hand and Exit never call into the running flow:
// they ask for its replacement; every wait on the stack then unwinds at once and the runner
// starts the replacement, so hands never pile up as calls inside one another.
#include "engine/Game.h"

// Thrown by a wait when its flow has been replaced. Caught by RunFlows and at every
// event-handler boundary (RunHandler); it never reaches the window system.
struct FlowAbandoned {};

// Asks for the flow to be replaced. When no flow is running, the platform is asked to run the
// flow runner from the top of the event loop.
void RequestFlow(Game& g, FlowRequest request);

// RequestFlow, then unwinds the caller's flow at once (nothing after this line runs).
[[noreturn]] void ReplaceFlow(Game& g, FlowRequest request);

// Throws FlowAbandoned when a replacement is pending.
void ThrowIfAbandoned(Game& g);

// Runs pending flows one after another. Call only from the top of the event loop.
void RunFlows(Game& g);

// Runs one window handler; an abandoned flow unwinds to here and no further.
template <class Handler>
void RunHandler(Game& g, Handler&& handler)
{
    (void)g;
    try {
        handler();
    } catch (const FlowAbandoned&) {
    }
}

// Counts a wait on the stack for as long as it lasts.
class WaitScope {
public:
    explicit WaitScope(Game& g) : g_(g) { ++g_.WaitDepth; }
    ~WaitScope() { --g_.WaitDepth; }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    Game& g_;
};
