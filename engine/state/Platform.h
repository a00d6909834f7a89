#pragma once
// Everything the engine needs from the outside world. The app implements it with Qt;
// tests implement it with a virtual clock, scripted answers and a scripted user.
#include <cstdint>
#include <optional>
#include <string>

// DialogIcon
inline constexpr int16_t IconCards = 1;
inline constexpr int16_t IconQuestion = 2;
inline constexpr int16_t IconInfo = 3;

// DialogAnswer
inline constexpr int16_t AnswerButton1 = 0;
inline constexpr int16_t AnswerButton2 = 1;
inline constexpr int16_t AnswerButton3 = 2;

struct MessageDialogRequest {
    std::string Prompt;
    std::string Button1;
    std::string Button2;  // empty: not shown
    std::string Button3;  // empty: not shown
    int16_t Icon = IconCards;
    std::string Title;
};

inline constexpr const char* AppTitle = "Quillmere";

class Platform {
public:
    virtual ~Platform() = default;

    // Milliseconds since the platform started; wraps after 2^32.
    virtual uint32_t GetTickCount() = 0;

    // Handles the window events that are pending. When none is pending it sleeps until one
    // arrives or, given a deadline, until the tick count reaches it, whichever comes first.
    // A deadline already reached handles what is pending and returns at once.
    virtual void ProcessEvents(std::optional<uint32_t> deadline) = 0;

    // Starts a sound file from the program's folder without waiting for it; a missing or
    // unplayable file is silently ignored.
    virtual void PlaySound(const std::string& fileName) = 0;

    // The message dialog, modal. Returns the index of the clicked button (0..2), or -1 when
    // the dialog went away without a click.
    virtual int16_t ShowMessageDialog(const MessageDialogRequest& request) = 0;

    // The plain message box: prompt, OK only, no icon, the application's title as caption.
    virtual void MsgBox(const std::string& prompt) = 0;
    // The plain Yes/No question with the question-mark icon; true for Yes.
    virtual bool MsgBoxYesNo(const std::string& prompt, const std::string& title) = 0;
    // The input box with an empty text field; Cancel gives an empty text.
    virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;

    // Random numbers r with 0 <= r < 1.
    virtual void Randomize() = 0;
    virtual double Rnd() = 0;

    // The program's folder, without a trailing separator.
    virtual std::string AppPath() = 0;

    // Asks for RunFlows to be called at the next round of the event loop. The engine asks only
    // with no wait on the stack, and asks again should the call meet one.
    virtual void ScheduleFlowRunner() = 0;

    // Unloads every window and ends the program.
    virtual void EndProgram() = 0;
};
