#pragma once
// What the Qt platform layer needs of the table window, and the one rule both keep about the
// flow runner.
#include "engine/Game.h"

class QWidget;

class TableHost {
public:
    virtual ~TableHost() = default;
    // Brings the window up to date with the table model.
    virtual void ShowModel() = 0;
    // Closes the window for good, asking nothing.
    virtual void Unload() = 0;
    // The window dialogs are centred on; null when there is none to show them over.
    virtual QWidget* DialogParent() = 0;
};

// A flow asked for while a wait was on the stack (a dialog opened from an idle handler, say)
// found the runner unable to start it. Once control is back at the top of the event loop, with
// no flow running and no wait on the stack, the runner is asked for again.
inline void ResumePendingFlow(Game& g)
{
    if (g.PendingFlow != FlowRequest::None && !g.FlowRunning && g.WaitDepth == 0)
        g.Plat.ScheduleFlowRunner();
}
