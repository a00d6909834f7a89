#include "engine/ScoreBoard.h"

#include <algorithm>
#include <limits>

int16_t AddPoints(int16_t a, int16_t b)
{
    constexpr int lo = std::numeric_limits<int16_t>::min(), hi = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(std::clamp(int{a} + int{b}, lo, hi));
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

void AddTrickScore(Game& g, int32_t Who)
{
    auto& t = g.Table;
    if (Who == SidePlayer) {
        t.LblLastTrickP.Caption = std::to_string(g.LastTrickP);
        g.TotTricksP = AddPoints(g.TotTricksP, g.LastTrickP);
        t.LblTotTricksP.Caption = std::to_string(g.TotTricksP);
        g.LastTrickP = 0;
    } else if (Who == SideComputer) {
        t.LblLastTrickC.Caption = std::to_string(g.LastTrickC);
        g.TotTricksC = AddPoints(g.TotTricksC, g.LastTrickC);
        t.LblTotTricskC.Caption = std::to_string(g.TotTricksC);
        g.LastTrickC = 0;
    }
}

void AddMeldScore(Game& g, int32_t Who)
{
    auto& t = g.Table;
    if (Who == SidePlayer) {
        t.LblLastMeldP.Caption = std::to_string(g.LastMeldP);
        g.TotalMeldsP = AddPoints(g.TotalMeldsP, g.LastMeldP);
        t.LblTotalMeldsP.Caption = std::to_string(g.TotalMeldsP);
        g.TotalScoreP = AddPoints(g.TotalScoreP, g.LastMeldP);
        t.LblTotalScoreP.Caption = std::to_string(g.TotalScoreP);
        g.LastMeldP = 0;
    } else if (Who == SideComputer) {
        t.LbllLastMeldC.Caption = std::to_string(g.LastMeldC);
        g.TotalMeldsC = AddPoints(g.TotalMeldsC, g.LastMeldC);
        t.LblTotMeldsC.Caption = std::to_string(g.TotalMeldsC);
        g.TotalScoreC = AddPoints(g.TotalScoreC, g.LastMeldC);
        t.LblTotScoreC.Caption = std::to_string(g.TotalScoreC);
        g.LastMeldC = 0;
    }
}
