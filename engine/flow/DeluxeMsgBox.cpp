#include "engine/flow/DeluxeMsgBox.h"

#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"

void DeluxeMsgBox(Game& g, const std::string& prompt, const std::string& button1,
                  const std::string& button2, const std::string& button3, int16_t icon,
                  const std::string& title)
{
    WaitScope scope(g);
    ThrowIfAbandoned(g);
    PlaySoundFile(g, "ringout.wav");
    const int16_t answer = g.Plat.ShowMessageDialog({prompt, button1, button2, button3, icon, title});
    // A dialog that went away without a click leaves the previous answer standing.
    if (answer >= AnswerButton1 && answer <= AnswerButton3)
        g.DialogButton = answer;
    ThrowIfAbandoned(g);
}
