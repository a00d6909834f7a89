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

SideScores ScoresOf(Game& g, int32_t Who)
{
    auto& t = g.Table;
    if (Who == SidePlayer)
        return {g.PlayerName,       g.LastTrickP,  t.LblLastTrickP,  g.TotTricksP,  t.LblTotTricksP, g.LastMeldP,
                t.LblLastMeldP,     g.TotalMeldsP, t.LblTotalMeldsP, g.TotalScoreP, t.LblTotalScoreP};
    return {g.BotName,       g.LastTrickC,  t.LblLastTrickC, g.TotTricksC,  t.LblTotTricskC, g.LastMeldC,
            t.LbllLastMeldC, g.TotalMeldsC, t.LblTotMeldsC,  g.TotalScoreC, t.LblTotScoreC};
}

void AddTrickScore(Game& g, int32_t Who)
{
    if (Who != SidePlayer && Who != SideComputer)
        return;
    const SideScores s = ScoresOf(g, Who);
    s.LblLastTrick.Caption = std::to_string(s.LastTrick);
    s.TotTricks = AddPoints(s.TotTricks, s.LastTrick);
    s.LblTotTricks.Caption = std::to_string(s.TotTricks);
    s.LastTrick = 0;
}

void AddMeldScore(Game& g, int32_t Who)
{
    if (Who != SidePlayer && Who != SideComputer)
        return;
    const SideScores s = ScoresOf(g, Who);
    s.LblLastMeld.Caption = std::to_string(s.LastMeld);
    s.TotalMelds = AddPoints(s.TotalMelds, s.LastMeld);
    s.LblTotalMelds.Caption = std::to_string(s.TotalMelds);
    s.TotalScore = AddPoints(s.TotalScore, s.LastMeld);
    s.LblTotalScore.Caption = std::to_string(s.TotalScore);
    s.LastMeld = 0;
}
