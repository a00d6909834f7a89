// The second phase of a hand: the twelve cards a side are played out, the winner of each trick
// leading the next; then the hand's trick points join the game totals, the target is checked,
// the user hears how the hand went and the next hand is dealt.
#include "engine/hand/Round2.h"

#include "engine/computer/ComputerRound2.h"
#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"
#include "engine/hand/GameEnd.h"
#include "engine/hand/Trick.h"
#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"
#include "engine/steps/ScoreBoard.h"

namespace {

// The computer's card, announced; 0 when it found none.
int16_t ComputerCard(Game& g)
{
    const int16_t card = ChooseComputerCardRound2(g);
    if (card != 0)
        g.Table.StatusBar[2].Text = g.BotName + " plays " + g.Cards[card].Name;
    return card;
}

// One trick up to both cards on the table; false when the computer found no card to play.
bool PlayTrick(Game& g)
{
    auto& panel = g.Table.StatusBar[2].Text;
    const std::string yourLead = g.PlayerName + " your lead, please click card to play";
    if (g.Turn == SidePlayer) {
        panel = yourLead;
        Pause(g);
        // Raised when the user won the trick before, or at the switch; a card clicked during
        // the pauses since has already ended this wait.
        WaitWhile(g, g.PlayerToPlay);
        Pause(g);
        if (!RecordTrickCard(g, false, ComputerCard(g)))
            return false;
        PlayComputerCard(g, g.TrickCard2);
    } else {
        Pause(g);
        if (!RecordTrickCard(g, true, ComputerCard(g)))
            return false;
        Pause(g);
        PlayComputerCard(g, g.TrickCard1);
        panel = yourLead;
        Pause(g);
        g.PlayerToPlay = true;
        WaitWhile(g, g.PlayerToPlay);
    }
    return true;
}

void SettleTrick(Game& g)
{
    const int16_t points = TrickPoints(g);
    auto& panel = g.Table.StatusBar[2].Text;
    const int32_t winner = TrickWinner(g);
    const SideScores s = ScoresOf(g, winner);
    s.LastTrick.Value = points;
    AddTrickScore(g, winner);
    panel = s.Name + " 's trick score is " + std::to_string(points);
    CollectTrick(g, winner);
    // Raised at once for the user: a card clicked during the pauses before the next wait is taken.
    g.PlayerToPlay = winner == SidePlayer;
    g.Turn = winner;
    if (winner == SidePlayer)
        panel = g.PlayerName + " your turn, please click card to play";
    Pause(g);
}

void EndOfHand(Game& g)
{
    for (int32_t side : {SidePlayer, SideComputer}) {
        const SideScores s = ScoresOf(g, side);
        s.TotalScore.Add(s.TotTricks.Value);
    }

    // A game won here ends by unwinding the flow.
    CheckForWinner(g);

    // The hand's own points decide the hand, whatever the game totals say.
    const int16_t p = AddPoints(g.TotalMeldsP, g.TotTricksP);
    const int16_t c = AddPoints(g.TotalMeldsC, g.TotTricksC);
    const std::string points = std::to_string(p) + " against " + std::to_string(c);
    if (c < p)
        DeluxeMsgBox(g, g.PlayerName + " Game not over, but you won that hand with points " + points, "Right", "",
                     "", IconCards, "Hand Won");
    else if (c > p)
        DeluxeMsgBox(g, g.PlayerName + " Game not over, but unfortunately you lost that hand with points " + points,
                     "Right", "", "", IconCards, "Hand Lost");
    else
        DeluxeMsgBox(g, g.PlayerName + " Game not over, but the hand was a draw with " + points, "Right", "", "",
                     IconCards, "Draw");
    DeluxeMsgBox(g,
                 "Your total score is " + std::to_string(g.TotalScoreP) + " against " +
                     std::to_string(g.TotalScoreC),
                 "O.K", "", "", IconCards, "Total Scores");
    ReplaceFlow(g, FlowRequest::NewHand);
}

}  // namespace

void PlayRound2(Game& g)
{
    if (!g.GameInProgress)
        return;
    if (PlayTricksUntil(g, TricksInHand, PlayTrick, SettleTrick))
        EndOfHand(g);
}
