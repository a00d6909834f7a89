#pragma once
// A game's flow (deal, first phase, second phase, next hand or game end) runs from the top of
// the event loop. New Game, "Play", the next hand and Exit never call into the running flow:
// they ask for its replacement; every wait on the stack then unwinds at once and the runner
// starts the replacement, so hands never pile up as calls inside one another.
//
// Three rules keep it so:
// 1. Any wait may unwind. Once a replacement is asked for, a pause, a wait for the user or the
//    message dialog throws FlowAbandoned; nothing after it in the abandoned flow runs.
// 2. Every window handler runs through RunHandler, where the unwinding stops.
// 3. Every modal wait is counted by the engine (WaitScope, in Pacing, DeluxeMsgBox and
//    PlainBoxes). The runner starts a flow only with no wait on the stack; a flow asked for
//    inside a wait is started once the last wait has ended, because that wait asks for the
//    runner again. The platform only runs the runner when asked; it never keeps this count.
#include "engine/state/Game.h"

// Thrown by a wait when its flow has been replaced. Caught by RunFlows and at every
// event-handler boundary (RunHandler); it never reaches the window system.
struct FlowAbandoned {};

// Asks for the flow to be replaced. With no flow running and no wait on the stack the platform
// is asked to run the flow runner from the top of the event loop; otherwise the running flow or
// the last wait to end sees to it.
void RequestFlow(Game& g, FlowRequest request);

// RequestFlow, then unwinds the caller's flow at once (nothing after this line runs).
[[noreturn]] void ReplaceFlow(Game& g, FlowRequest request);

// Throws FlowAbandoned when a replacement is pending.
void ThrowIfAbandoned(Game& g);

// Runs pending flows one after another. Call only from the top of the event loop; a call that
// meets a wait on the stack returns at once.
void RunFlows(Game& g);

// Runs one window handler; an abandoned flow unwinds to here and no further.
template <class Handler>
void RunHandler(Handler&& handler)
{
    try {
        handler();
    } catch (const FlowAbandoned&) {
    }
}

// Counts a wait on the stack for as long as it lasts. The last wait to end asks for the runner
// when a flow was asked for meanwhile and none is running.
class WaitScope {
public:
    explicit WaitScope(Game& g);
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    Game& g_;
};
