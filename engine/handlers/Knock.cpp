#include "engine/handlers/Knock.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/hand/GameEnd.h"

void LblKnock_Click(Game& g)
{
    if (g.InRound2) {
        DeluxeMsgBox(g,
                     g.PlayerName +
                         " Sorry, you must knock during Round 1. Merriel might catch you up on Trick Scores",
                     "Oh Right", "", "", IconInfo, "Can't Knock Now");
        return;
    }
    PlaySoundFile(g, "knock.wav");
    {
        const PaceScope knock(g, KnockExtra);
        Pause(g);
        Pause(g);
    }
    g.PlayerKnocked = true;
    CheckForWinner(g);
}
