#include "tests/support/VirtualPlatform.h"

#include "engine/flow/Flow.h"

VirtualPlatform::VirtualPlatform(uint64_t seed, uint32_t startTick) : rng_(seed)
{
    TickOffset = startTick;
}

void VirtualPlatform::At(uint64_t clock, std::function<void()> action)
{
    events_.emplace(clock, std::move(action));
}

void VirtualPlatform::ProcessEvents(std::optional<uint32_t> deadline)
{
    if (++ProcessEventsCalls > MaxProcessEventsCalls)
        throw EngineHang("too many rounds of event processing");
    if (OnProcessEvents)
        OnProcessEvents();
    if (RunQueuedRunner())
        return;

    // How far the deadline lies ahead of now; a deadline already passed counts as now.
    uint64_t until = Clock;
    if (deadline) {
        const int32_t ahead = static_cast<int32_t>(*deadline - GetTickCount());
        if (ahead > 0)
            until = Clock + static_cast<uint64_t>(ahead);
    }

    auto dispatchFirst = [this] {
        auto it = events_.begin();
        if (it->first > Clock)
            Clock = it->first;
        auto action = std::move(it->second);
        events_.erase(it);
        RunHandler(action);
    };
    const bool eventDueNow = !events_.empty() && events_.begin()->first <= Clock;
    if (eventDueNow) {
        dispatchFirst();
        return;
    }
    if (!deadline) {
        // The scripted user acts now, before anything scheduled for later.
        if (OnIdle && OnIdle())
            return;
        if (!events_.empty()) {
            dispatchFirst();
            return;
        }
        throw EngineHang("the engine waits for the user and nothing comes");
    }
    if (!events_.empty() && events_.begin()->first <= until) {
        dispatchFirst();
        return;
    }
    Clock = until;
}

int16_t VirtualPlatform::ShowMessageDialog(const MessageDialogRequest& request)
{
    Dialogs.push_back(request);
    ModalLoop();
    if (!DialogAnswers.empty()) {
        const int16_t a = DialogAnswers.front();
        DialogAnswers.pop_front();
        return a;
    }
    if (AnswerDialog)
        return AnswerDialog(request);
    return 0;
}

bool VirtualPlatform::MsgBoxYesNo(const std::string& prompt, const std::string& title)
{
    ModalLoop();
    YesNoQuestions.push_back(prompt);
    YesNoQuestions.push_back(title);
    if (YesNoAnswers.empty())
        return false;
    const bool a = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return a;
}

std::string VirtualPlatform::InputBox(const std::string& prompt, const std::string& title)
{
    ModalLoop();
    InputPrompts.push_back(prompt);
    InputPrompts.push_back(title);
    if (InputAnswers.empty())
        return {};
    std::string a = InputAnswers.front();
    InputAnswers.pop_front();
    return a;
}

double VirtualPlatform::Rnd()
{
    if (!RndValues.empty()) {
        const double r = RndValues.front();
        RndValues.pop_front();
        return r;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
}

void VirtualPlatform::RunScheduledFlows()
{
    while (RunQueuedRunner()) {
    }
}

bool VirtualPlatform::RunQueuedRunner()
{
    if (!FlowRunnerScheduled || Ended)
        return false;
    FlowRunnerScheduled = false;
    RunFlows(*G);
    return true;
}

void VirtualPlatform::ModalLoop()
{
    if (WhileModal)
        WhileModal();
    RunQueuedRunner();
}

void VirtualPlatform::MsgBox(const std::string& prompt)
{
    ModalLoop();
    MsgBoxes.push_back(prompt);
}
