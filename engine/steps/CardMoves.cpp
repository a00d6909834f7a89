// Single cards crossing the table: each move jumps the card's box to fixed places, pauses
// between the jumps and plays the card sound when the card arrives.
#include "engine/steps/CardMoves.h"

#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/state/CardTable.h"
#include "engine/steps/Layout.h"

namespace {

// Where the two cards of a trick stop on their way and where they land.
constexpr int ComputerTrickStopLeft = 7800, ComputerTrickStopTop = 3240;
constexpr int ComputerTrickLeft = 10440, ComputerTrickTop = 4680;
constexpr TablePlace PlayerTrickStop{7800, 6540}, PlayerTrick{11760, 4680};
// Where a drawn or taken card lands before its hand is laid out again.
constexpr TablePlace ComputerDraw{2820, 2280};
constexpr TablePlace PlayerDrawStop{1755, 7500}, PlayerDraw{1800, 7700};

constexpr int ComputerPlayExtra = 150;
constexpr int PlayerPlayExtra = 300;
constexpr int DrawExtra = 500;

// The card leaves its hand for the trick and its meld area, face up.
void TakeOutToPlay(Game& g, int16_t card)
{
    g.Cards[card].Location = LocPlayed;
    g.Cards[card].Melded = false;
    g.Table.PicCard[card].Picture = card;
}

}  // namespace

void MoveToFront(Game& g, int16_t card, int left, int top)
{
    g.Table.Move(card, left, top);
    g.Table.BringToFront(card);
}

void MoveVia(Game& g, int16_t card, std::initializer_list<TablePlace> stops)
{
    for (const TablePlace& stop : stops) {
        MoveToFront(g, card, stop.Left, stop.Top);
        Pause(g);
    }
}

void Land(Game& g, int16_t card, TablePlace place)
{
    MoveToFront(g, card, place.Left, place.Top);
    PauseWithCardSound(g);
}

void PlayComputerCard(Game& g, int16_t CardIndex)
{
    const PaceScope pace(g, ComputerPlayExtra);
    Pause(g);
    TakeOutToPlay(g, CardIndex);
    // The computer's card keeps its place in the stacking order on its way.
    g.Table.Move(CardIndex, ComputerTrickStopLeft, ComputerTrickStopTop);
    Pause(g);
    g.Table.Move(CardIndex, ComputerTrickLeft, ComputerTrickTop);
    PauseWithCardSound(g);
    LayOutComputerHand(g);
    g.Table.StatusBar[2].Text = g.BotName + " has played " + g.Cards[CardIndex].Name;
}

void PlayerPlaysCard(Game& g, int16_t CardIndex)
{
    const PaceScope pace(g, PlayerPlayExtra);
    TakeOutToPlay(g, CardIndex);
    MoveVia(g, CardIndex, {PlayerTrickStop});
    Land(g, CardIndex, PlayerTrick);
    g.PlayerToPlay = false;
}

void MoveDrawnCard(Game& g, int32_t Who, int16_t CardIndex)
{
    const PaceScope pace(g, DrawExtra);
    if (Who == SideComputer) {
        g.Cards[CardIndex].Location = LocComputerHand;
        Land(g, CardIndex, ComputerDraw);
        LayOutComputerHand(g);
    } else {
        g.Cards[CardIndex].Location = LocPlayerHand;
        MoveVia(g, CardIndex, {PlayerDrawStop});
        Land(g, CardIndex, PlayerDraw);
        ResortHand(g);
    }
    LayOutStock(g);
}

void DrawFromStock(Game& g, int32_t Who)
{
    const int16_t card = PickStockCard(g);
    if (card == 0)
        return;  // nothing left to draw: the stock never runs dry before the twelfth trick
    g.StockCount = static_cast<int16_t>(g.StockCount - 1);
    ShowStockCount(g);
    if (Who == SidePlayer) {
        g.Table.FramDeclare.Visible = false;
        g.Table.PicCard[card].Picture = card;
        MoveDrawnCard(g, SidePlayer, card);
    } else if (Who == SideComputer) {
        MoveDrawnCard(g, SideComputer, card);
    }
    BackToSpeed(g);
}
