#include "engine/melds/MeldRun.h"

#include <array>

#include "engine/melds/MeldCommon.h"
#include "engine/melds/MeldLayout.h"

namespace {

constexpr int16_t RunPoints = 150;
constexpr int16_t RunPointsWithMarriedCard = 110;

// The run's cards in the order they are presented, slot 1 first.
constexpr std::array<int32_t, 5> RunValues = {ValueJack, ValueQueen, ValueKing, ValueTen, ValueAce};
constexpr int QueenSlot = 1;
constexpr int KingSlot = 2;

}  // namespace

void MeldRun(Game& g, int32_t Who)
{
    g.MeldMade = false;
    if (!IsMeldSide(Who))
        return;

    // A later copy of a value replaces an earlier one: the run takes the last copy in index order.
    std::array<int16_t, 5> run{};
    for (int i = 1; i <= CardCount; ++i) {
        const CardInfo& c = g.Cards[i];
        if (!InHandOf(g, i, Who) || c.Suit != g.TrumpSuit || c.InRun || c.RunUsed)
            continue;
        for (size_t k = 0; k < RunValues.size(); ++k)
            if (c.Value == RunValues[k])
                run[k] = static_cast<int16_t>(i);
    }
    for (int16_t card : run)
        if (card == 0) {
            if (Who == SidePlayer)
                MeldNotice(g, "No Run", NoticeOhDear,
                           " sorry, you do appear to have a run.Please try again, or Cancel to receive a card.");
            return;
        }

    g.Table.FramDeclare.Visible = false;
    g.MeldMade = true;
    const bool married = g.Cards[run[KingSlot]].InMarriage || g.Cards[run[QueenSlot]].InMarriage;
    const int16_t points = married ? RunPointsWithMarriedCard : RunPoints;
    ScoreMeld(g, Who, points);
    ShowMeldStatus(g, Who, "scores for run " + std::to_string(points));
    if (Who == SidePlayer)
        g.PlayerToMeld = false;
    for (int16_t card : run) {
        CardInfo& c = g.Cards[card];
        c.Melded = c.RunUsed = c.InRun = true;
    }
    for (size_t k = 0; k < run.size(); ++k)
        PlaceMeldCard(g, Who, static_cast<uint8_t>(k + 1), run[k]);
    LayOutRun(g, Who);
    ReLayHand(g, Who);
}
