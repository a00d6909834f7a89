// New Game (F2): a running game is left only when the user confirms; the new game then takes
// the place of the running flow, which never resumes.
#include "engine/handlers/NewGameMenu.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Flow.h"

void MnuNew_Click(Game& g)
{
    if (g.GameInProgress) {
        // A question closed without a click keeps the game going.
        g.DialogButton = AnswerButton1;
        DeluxeMsgBox(g, "You are in the middle of a game. Really start a new one?", "No Continue", "Yes New Game",
                     "", IconQuestion, "Leave this game?");
        if (g.DialogButton == AnswerButton1)
            return;
    }
    g.GameInProgress = false;
    ReplaceFlow(g, FlowRequest::NewHand);
}
