#include "engine/melds/MeldPinochle.h"

#include "engine/melds/MeldCommon.h"
#include "engine/melds/MeldLayout.h"
#include "engine/steps/ScoreBoard.h"

namespace {

constexpr int16_t PinochlePoints = 40;
constexpr int16_t DoublePinochlePoints = 500;
constexpr int16_t DoublePinochleAfterSinglePoints = 460;

// Presented in this order: a Jack, a Queen, the other Jack, the other Queen.
constexpr int16_t DoublePinochleCards[] = {JackOfDiamonds1, QueenOfSpades1, JackOfDiamonds2, QueenOfSpades2};

bool& PinochleMelded(Game& g, int32_t Who) { return Who == SidePlayer ? g.PinochleMeldedP : g.PinochleMeldedC; }
bool& DblPinochleMelded(Game& g, int32_t Who)
{
    return Who == SidePlayer ? g.DblPinochleMeldedP : g.DblPinochleMeldedC;
}

}  // namespace

void MeldPinochle(Game& g, int32_t Who)
{
    g.MeldMade = false;
    if (!IsMeldSide(Who))
        return;
    const bool player = Who == SidePlayer;
    if (PinochleMelded(g, Who) || DblPinochleMelded(g, Who)) {
        if (player)
            MeldNotice(g, "Already Melded", NoticeRight,
                       " you have already melded a Pinochle. Please try again or click cancel to receive another card.");
        return;
    }

    // The lower copy of each card when it is in the hand; the other Jack is not tried.
    const int16_t jack = InHandOf(g, JackOfDiamonds1, Who) ? JackOfDiamonds1 : JackOfDiamonds2;
    const int16_t queen = InHandOf(g, QueenOfSpades1, Who) ? QueenOfSpades1 : QueenOfSpades2;
    if (!InHandOf(g, jack, Who) || !InHandOf(g, queen, Who) || g.Cards[jack].InPinochle) {
        if (player)
            MeldNotice(g, " No Pinochle", NoticeOhDear,
                       " sorry, you do not have a Single Pinochle. Make different Meld or click Cancel to receive card.");
        return;
    }

    g.MeldMade = true;
    for (int16_t card : {jack, queen})
        g.Cards[card].Melded = g.Cards[card].InPinochle = true;
    PlaceMeldCard(g, Who, 1, jack);
    PlaceMeldCard(g, Who, 2, queen);
    if (player)
        g.Table.FramDeclare.Visible = false;
    PinochleMelded(g, Who) = true;
    LayOutPinochle(g, Who);
    ScoreMeld(g, Who, PinochlePoints);
    ShowMeldStatus(g, Who, " scores 40 for Single Pinochle");
    // The computer's hand stays as it lies until its next layout.
    if (player) {
        ReLayHand(g, Who);
        g.PlayerToMeld = false;
    }
}

void MeldDoublePinochle(Game& g, int32_t Who)
{
    g.MeldMade = false;
    if (!IsMeldSide(Who))
        return;
    const bool player = Who == SidePlayer;
    if (DblPinochleMelded(g, Who)) {
        if (player)
            MeldNotice(g, "Already Melded", NoticeRight,
                       " you have already melded a Double Pinochle. Please try again or click cancel to receive another card.");
        return;
    }

    bool there = true;
    for (int16_t card : DoublePinochleCards) {
        const CardInfo& c = g.Cards[card];
        there = there && InHandOf(g, card, Who) && !c.InDoublePinochle && !c.DblPinochleUsed;
    }
    if (there) {
        g.MeldMade = true;
        for (int16_t card : DoublePinochleCards) {
            CardInfo& c = g.Cards[card];
            c.InDoublePinochle = c.Melded = c.DblPinochleMark = c.DblPinochleUsed = true;
        }
        for (uint8_t slot = 1; int16_t card : DoublePinochleCards)
            PlaceMeldCard(g, Who, slot++, card);
        LayOutDoublePinochle(g, Who);
        DblPinochleMelded(g, Who) = true;
        if (player) {
            EndPlayerMeldTurn(g);
            ReLayHand(g, Who);
        }
        const int16_t points = PinochleMelded(g, Who) ? DoublePinochleAfterSinglePoints : DoublePinochlePoints;
        ScoresOf(g, Who).LastMeld.Value = points;
        ShowMeldStatus(g, Who, " scores " + std::to_string(points) + " for Double Pin ");
    }
    // Booked whether or not the meld was there: a miss shows its pending 0 in the last-meld label.
    AddMeldScore(g, Who);
    if (!there && player)
        MeldNotice(g, "No Double Pinochle", NoticeOhDear,
                   " sorry, you do not have a Double Pinochle. Try again or click Cancel to receive a card");
}
