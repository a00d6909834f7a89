#include "engine/steps/ScoreBoard.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

int16_t AddPoints(int16_t a, int16_t b)
{
    constexpr int lo = std::numeric_limits<int16_t>::min(), hi = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(std::clamp(int{a} + int{b}, lo, hi));
}

SideScores ScoresOf(Game& g, int32_t Who)
{
    auto& t = g.Table;
    if (Who == SidePlayer)
        return {g.PlayerName, {g.LastTrickP, t.LblLastTrickP}, {g.TotTricksP, t.LblTotTricksP},
                {g.LastMeldP, t.LblLastMeldP}, {g.TotalMeldsP, t.LblTotalMeldsP}, {g.TotalScoreP, t.LblTotalScoreP}};
    return {g.BotName, {g.LastTrickC, t.LblLastTrickC}, {g.TotTricksC, t.LblTotTricskC},
            {g.LastMeldC, t.LbllLastMeldC}, {g.TotalMeldsC, t.LblTotMeldsC}, {g.TotalScoreC, t.LblTotScoreC}};
}

namespace {

// The pending points are shown, added to each total and cleared; a side that is neither
// books nothing.
void Book(int32_t Who, const ScoreFigure& pending, std::initializer_list<ScoreFigure> totals)
{
    if (Who != SidePlayer && Who != SideComputer)
        return;
    pending.Label.Caption = std::to_string(pending.Value);
    for (const ScoreFigure& total : totals)
        total.Add(pending.Value);
    pending.Value = 0;
}

}  // namespace

void AddTrickScore(Game& g, int32_t Who)
{
    const SideScores s = ScoresOf(g, Who);
    Book(Who, s.LastTrick, {s.TotTricks});
}

void AddMeldScore(Game& g, int32_t Who)
{
    const SideScores s = ScoresOf(g, Who);
    Book(Who, s.LastMeld, {s.TotalMelds, s.TotalScore});
}
