// Leaving the program: the Exit command and the window's close box.
#include "engine/handlers/Exit.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Flow.h"
#include "engine/settings/Settings.h"

namespace {

constexpr int CloseByUser = 0;
const char* const ExitTitle = "Really Exit?";

}  // namespace

void MnuExit_Click(Game& g)
{
    if (g.GameInProgress) {
        // A question that went away without a click keeps the game going, whatever the last
        // dialog's answer was.
        g.DialogButton = AnswerButton1;
        DeluxeMsgBox(g, g.PlayerName + " You are in the middle of a game. Do you really wish to Exit the game?",
                     "No Continue", "Yes Exit", "", IconQuestion, ExitTitle);
        if (g.DialogButton == AnswerButton1)
            return;  // the game goes on from the same wait
    }
    WriteAllDat(g);
    // The runner unwinds whatever flow is running and ends the program from the top.
    RequestFlow(g, FlowRequest::Exit);
}

bool Form_QueryUnload(Game& g, int closeReason)
{
    if (closeReason != CloseByUser) {
        // A close the user did not make takes the window, and the program goes with it; a
        // running game is abandoned and nothing is saved.
        RequestFlow(g, FlowRequest::Exit);
        return false;
    }
    g.DialogButton = AnswerButton2;  // as "Carry On", should the question go away unanswered
    DeluxeMsgBox(g, " Do you really wish to exit?", "Yes Exit", "Carry On", "", IconQuestion, ExitTitle);
    if (g.DialogButton == AnswerButton1)
        MnuExit_Click(g);
    // Kept open either way: when the exit goes ahead, the flow runner ends the program once
    // the waits on the stack have unwound.
    return true;
}
