// Settling a trick of the first phase: points to the winner, the trick onto the winner's pile,
// the winner's lead, then the winner's meld turn.
#include "engine/hand/Trick.h"

#include "engine/computer/ComputerMeld.h"
#include "engine/flow/Pacing.h"
#include "engine/steps/Layout.h"
#include "engine/steps/ScoreBoard.h"

void ResolveTrick(Game& g)
{
    const int32_t winner = TrickWinner(g);
    ScoresOf(g, winner).LastTrick.Value = TrickPoints(g);
    AddTrickScore(g, winner);
    g.Turn = winner;
    CollectTrick(g, winner);
    if (winner == SidePlayer) {
        // The meld turn ends when a meld is made or the user cancels; the panels are closed by
        // whoever ends it.
        g.PlayerToMeld = true;
        g.Table.FramDeclare.Visible = true;
        g.Table.BringToFront(g.Table.FramDeclare);
        g.Table.StatusBar[2].Text = g.PlayerName + " click Meld to make or Cancel to receive card.";
        WaitWhile(g, g.PlayerToMeld, true);
        return;
    }
    // After the twelfth trick the computer melds only once it has taken its last card.
    if (g.TricksPlayed != TricksInRound1) {
        Pause(g);
        ComputerMeld(g);
    }
}

bool RecordTrickCard(Game& g, bool leads, int16_t card)
{
    (leads ? g.TrickCard1 : g.TrickCard2) = card;
    if (card == 0)
        return false;
    (leads ? g.TrickSuit1 : g.TrickSuit2) = g.Cards[card].Suit;
    return true;
}

void BeginTrick(Game& g)
{
    g.TricksPlayed = static_cast<uint8_t>(g.TricksPlayed + 1);
    g.Table.StatusBar[3].Text = "Tricks " + std::to_string(g.TricksPlayed);
}

int16_t TrickPoints(const Game& g)
{
    return static_cast<int16_t>(CardPoints(g.Cards[g.TrickCard1].Value) + CardPoints(g.Cards[g.TrickCard2].Value));
}

int32_t TrickWinner(const Game& g)
{
    const int32_t leader = g.Turn == SidePlayer ? SidePlayer : SideComputer;
    const int32_t follower = OtherSide(leader);
    if (g.TrickSuit1 == g.TrickSuit2)
        return g.Cards[g.TrickCard2].Value > g.Cards[g.TrickCard1].Value ? follower : leader;
    // A trump wins over another suit only when played second; a trump led wins anyway.
    return g.TrickSuit2 == g.TrumpSuit ? follower : leader;
}
