#include "engine/melds/MeldDix.h"

#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/melds/MeldCommon.h"
#include "engine/melds/MeldLayout.h"
#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"

namespace {

constexpr int16_t DixPoints = 10;
constexpr int16_t DixHoldExtra = 1000;  // the pace of a Dix, over Speed

// Where a laid-down Nine lies, beside the side's meld rows.
constexpr int DixShownLeft = 8820, PlayerDixShownTop = 8400, ComputerDixShownTop = 3000;

// The exchange: the Nine stops beside the up card while the up card steps out towards the hand.
constexpr int NineOnTheWayLeft = 4110, NineOnTheWayTop = 2295;
constexpr int UpCardOnTheWayLeft = 2670, UpCardOnTheWayTop = 2070;

// A Nine is exchanged only for an up card that still lies in its place and is not itself a
// Nine. Once the up card has gone into a hand at the end of the stock, an exchange would leave
// one side a card short for the second phase, so the Nine is laid down instead.
bool ExchangeForUpCard(const Game& g)
{
    if (g.UpCard < 1 || g.UpCard > CardCount)
        return false;
    const CardInfo& up = g.Cards[g.UpCard];
    return up.Value != ValueNine && up.Location == LocUpCard;
}

void LayDown(Game& g, int32_t Who, int16_t nine)
{
    const bool player = Who == SidePlayer;
    CardInfo& c = g.Cards[nine];
    c.Melded = c.DixShown = c.DixUsed = true;
    PlaceMeldCard(g, Who, 1, nine);
    g.Table.PicCard[nine].Picture = nine;
    MoveToFront(g, nine, DixShownLeft, player ? PlayerDixShownTop : ComputerDixShownTop);
    if (player) {
        Pause(g);
        ScoreMeld(g, Who, DixPoints);
        ShowMeldStatus(g, Who, " melded Dix for 10 points");
        ResortHand(g);
        EndPlayerMeldTurn(g);
    } else {
        ShowMeldStatus(g, Who, " melded Dix for 10 points");
        ScoreMeld(g, Who, DixPoints);
        LayOutComputerHand(g);
    }
}

void Exchange(Game& g, int32_t Who, int16_t nine)
{
    CardInfo& c = g.Cards[nine];
    // Marked used as well: a Nine exchanged here and taken back into a hand at the end of the
    // stock is not melded a second time.
    c.DixExchanged = c.DixUsed = true;
    c.Location = LocUpCard;
    g.Table.PicCard[nine].Picture = nine;
    g.Table.Move(nine, NineOnTheWayLeft, NineOnTheWayTop);

    const int16_t up = g.UpCard;
    g.Cards[up].Location = HandOf(Who);
    MoveToFront(g, up, UpCardOnTheWayLeft, UpCardOnTheWayTop);

    SetPace(g, DixHoldExtra);
    Pause(g);

    ScoreMeld(g, Who, DixPoints);
    if (Who == SidePlayer)
        EndPlayerMeldTurn(g);
    ReLayHand(g, Who);

    MoveToFront(g, nine, UpCardLeft, UpCardTop);
    LayOutStock(g);
    g.UpCard = nine;
    ShowMeldStatus(g, Who, " melded Dix for 10 points.");
}

}  // namespace

void MeldDix(Game& g, int32_t Who)
{
    g.MeldMade = false;
    if (!IsMeldSide(Who))
        return;
    const PaceScope pace(g, DixHoldExtra);  // every way out of a Dix leaves the pace at Speed
    const int16_t nine = FirstInHand(g, Who, [&](const CardInfo& c) {
        return c.Value == ValueNine && c.Suit == g.TrumpSuit && !c.Melded && !c.DixUsed;
    });
    if (nine == 0) {
        if (Who == SidePlayer)
            MeldNotice(g, "No Nine", NoticeRight,
                       " sorry, you do not have a Nine to Dix. Please try again or click Cancel to receive a new card");
        return;
    }
    g.MeldMade = true;
    if (ExchangeForUpCard(g))
        Exchange(g, Who, nine);
    else
        LayDown(g, Who, nine);
}
