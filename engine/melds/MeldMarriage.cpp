#include "engine/melds/MeldMarriage.h"

#include "engine/melds/MeldCommon.h"
#include "engine/melds/MeldLayout.h"
#include "engine/steps/ScoreBoard.h"

namespace {

constexpr int16_t TrumpMarriagePoints = 40;
constexpr int16_t PlainMarriagePoints = 20;

// The first King or Queen of the suit not yet in a marriage; for the user a notice names the
// one missing.
int16_t FreeForMarriage(Game& g, int32_t Who, int32_t value, int32_t suit)
{
    const int16_t card = FirstInHand(g, Who, [&](const CardInfo& c) {
        return c.Value == value && c.Suit == suit && !c.InMarriage && !c.MarriageUsed;
    });
    if (card == 0 && Who == SidePlayer) {
        const std::string face = value == ValueKing ? "King" : "Queen";
        MeldNotice(g, "No " + face + ".", NoticeOhDear,
                   " sorry, you do not appear to have a " + face +
                       " of that suit. Please try again or click Cancel to receive a card");
    }
    return card;
}

}  // namespace

void MeldMarriage(Game& g, int32_t Who, int32_t WhichSuit)
{
    g.MeldMade = false;
    if (!IsMeldSide(Who))
        return;
    const bool player = Who == SidePlayer;
    const int16_t king = FreeForMarriage(g, Who, ValueKing, WhichSuit);
    if (king == 0)
        return;
    const int16_t queen = FreeForMarriage(g, Who, ValueQueen, WhichSuit);
    if (queen == 0)
        return;

    g.MeldMade = true;
    for (int16_t card : {queen, king}) {
        CardInfo& c = g.Cards[card];
        c.Melded = c.InMarriage = c.MarriageUsed = true;
    }
    PlaceMeldCard(g, Who, 1, queen);
    PlaceMeldCard(g, Who, 2, king);
    LayOutMarriages(g, Who);
    // The one meld that adds to what is pending rather than replacing it.
    int16_t& pending = ScoresOf(g, Who).LastMeld.Value;
    pending = static_cast<int16_t>(pending + (WhichSuit == g.TrumpSuit ? TrumpMarriagePoints : PlainMarriagePoints));
    AddMeldScore(g, Who);
    if (player) {
        g.Table.FramMarriage.Visible = false;
        EndPlayerMeldTurn(g);
    }
    ReLayHand(g, Who);
}
