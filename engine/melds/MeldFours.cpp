#include "engine/melds/MeldFours.h"

#include <array>

#include "engine/melds/MeldCommon.h"
#include "engine/melds/MeldLayout.h"

namespace {

struct FoursKind {
    int32_t Value;
    bool CardInfo::*Flag;
    int16_t Points;
    const char* Status;
};

constexpr FoursKind Kinds[] = {
    {ValueAce, &CardInfo::InFourAces, 100, " scores 100 for 4 Aces"},
    {ValueKing, &CardInfo::InFourKings, 80, " scores 80 for 4 Kings"},
    {ValueQueen, &CardInfo::InFourQueens, 60, " scores 60 for 4 Queens"},
    {ValueJack, &CardInfo::InFourJacks, 40, " scores 40 for 4 Jacks"},
};

// The notice for the first suit without a card of the value, by suit code.
struct MissingSuit {
    const char* Title;
    const char* Text;
};
constexpr MissingSuit Missing[] = {
    {"", ""},
    {"No Diamond", " sorry, you do not appear to have a Diamond of that suit. Please try again or click Cancel to receive a card"},
    {"No Club", " sorry, you do not appear to have a Club of that suit. Please try again or click Cancel to receive a card"},
    {"No Heart", " sorry, you do not appear to have a Heart of that suit. Please try again or click Cancel to receive a card"},
    {"No Spade", " sorry, you do not appear to have a Spade of that suit. Please try again or click Cancel to receive a card"},
};

const FoursKind* KindOf(int32_t value)
{
    for (const FoursKind& k : Kinds)
        if (k.Value == value)
            return &k;
    return nullptr;
}

}  // namespace

void MeldFours(Game& g, int32_t Who, int32_t WhichValue)
{
    g.MeldMade = false;
    const FoursKind* kind = KindOf(WhichValue);
    if (!IsMeldSide(Who) || kind == nullptr)
        return;

    // One card of each suit, Diamonds first; the first suit without one is the one named.
    std::array<int16_t, 4> four{};
    for (int32_t suit = SuitDiamonds; suit <= SuitSpades; ++suit) {
        const int16_t card = FirstInHand(g, Who, [&](const CardInfo& c) {
            return c.Value == WhichValue && c.Suit == suit && !c.FoursUsed;
        });
        if (card == 0) {
            if (Who == SidePlayer)
                MeldNotice(g, Missing[suit].Title, NoticeOhDear, Missing[suit].Text);
            return;
        }
        four[suit - SuitDiamonds] = card;
    }

    g.Table.FramDeclare.Visible = false;
    g.MeldMade = true;
    for (size_t k = 0; k < four.size(); ++k) {
        CardInfo& c = g.Cards[four[k]];
        c.Melded = c.FoursUsed = c.*kind->Flag = true;
        PlaceMeldCard(g, Who, static_cast<uint8_t>(k + 1), four[k]);
    }
    LayOutFours(g, Who);
    ScoreMeld(g, Who, kind->Points);
    ShowMeldStatus(g, Who, kind->Status);
    if (Who == SidePlayer)
        EndPlayerMeldTurn(g);
    ReLayHand(g, Who);
}
