#pragma once
// The platform for headless tests: a virtual millisecond clock that jumps to each pause's
// deadline, window events scheduled at virtual times, scripted dialog answers and a scripted
// user that acts whenever the engine waits for it.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/state/Game.h"
#include "engine/state/Platform.h"

// The engine waited for the user and nothing would ever come.
struct EngineHang : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class VirtualPlatform : public Platform {
public:
    explicit VirtualPlatform(uint64_t seed = 1, uint32_t startTick = 1000);

    // The game whose handlers the scheduled events run; set once the Game exists.
    Game* G = nullptr;

    // Virtual time in ms since the platform started (never wraps; the tick count does).
    uint64_t Clock = 0;
    uint32_t TickOffset = 0;

    // A window event: runs as a handler (through RunHandler) at the given virtual time.
    void At(uint64_t clock, std::function<void()> action);
    void Post(std::function<void()> action) { At(Clock, std::move(action)); }
    bool HasPendingEvents() const { return !events_.empty(); }

    // Called when the engine waits with no deadline and no event is due: should post an event
    // (or act at once) and return true; false means the engine would hang.
    std::function<bool()> OnIdle;
    // Called at the start of every ProcessEvents, for injecting events at random moments.
    std::function<void()> OnProcessEvents;

    // Message dialog: answers taken from the queue, else from AnswerDialog, else 0.
    std::deque<int16_t> DialogAnswers;
    std::function<int16_t(const MessageDialogRequest&)> AnswerDialog;
    std::vector<MessageDialogRequest> Dialogs;

    std::vector<std::string> MsgBoxes;
    std::deque<bool> YesNoAnswers;           // default No
    std::vector<std::string> YesNoQuestions; // prompt, then title
    std::deque<std::string> InputAnswers;    // default empty (Cancel)
    std::vector<std::string> InputPrompts;
    // Runs inside each of the boxes above while it is open, as a timer or a queued call would
    // in the box's own event loop (the user's clicks on the table never do).
    std::function<void()> WhileModal;

    std::vector<std::string> Sounds;
    // Random numbers: from the queue first, else the seeded generator.
    std::deque<double> RndValues;
    std::string Folder = ".";
    bool FlowRunnerScheduled = false;  // the runner's call is queued
    bool Ended = false;
    uint64_t ProcessEventsCalls = 0;
    uint64_t MaxProcessEventsCalls = 50'000'000;

    // Runs the flow runner for as long as it is asked for, from the top (as the app's event loop
    // would once every wait has returned).
    void RunScheduledFlows();

    // Platform
    uint32_t GetTickCount() override { return static_cast<uint32_t>(Clock) + TickOffset; }
    void ProcessEvents(std::optional<uint32_t> deadline) override;
    void PlaySound(const std::string& fileName) override { Sounds.push_back(fileName); }
    int16_t ShowMessageDialog(const MessageDialogRequest& request) override;
    void MsgBox(const std::string& prompt) override;
    bool MsgBoxYesNo(const std::string& prompt, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    void Randomize() override {}
    double Rnd() override;
    std::string AppPath() override { return Folder; }
    void ScheduleFlowRunner() override { FlowRunnerScheduled = true; }
    void EndProgram() override { Ended = true; }

private:
    // A queued runner call runs at the next round of events, wherever that is, as on the real
    // event loop. True when it ran.
    bool RunQueuedRunner();
    void ModalLoop();

    std::multimap<uint64_t, std::function<void()>> events_;
    std::mt19937_64 rng_;
};
