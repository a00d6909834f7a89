#include "engine/steps/Layout.h"

#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/steps/CardMoves.h"

namespace {

constexpr int PlayerHandLeft = 2500, PlayerHandTop = 10080;
constexpr int ComputerHandLeft = 2880, ComputerHandTop = 120;
constexpr int SortedStep = 500;
constexpr int DealStep = 450;
constexpr int ComputerStep = 250;

// The stock is a slanting pile: each card a little right of and below the one before.
constexpr int StockLeft = 540, StockTop = 120;
constexpr int StockStepLeft = 3, StockStepTop = 4;

// Each side's won tricks: a row of face-down led cards, one step apart.
constexpr int PlayerPileTop = 7560, ComputerPileTop = 2640;
constexpr int16_t PileStep = 90;
// Gathering a trick takes its own time, whatever Speed is.
constexpr FixedPace CollectPace{250};

bool InPlayerRow(const CardInfo& c) { return c.Location == LocPlayerHand && !c.Melded; }

void Place(Game& g, int i, int16_t picture, int left, int top)
{
    g.Table.PicCard[i].Picture = picture;
    MoveToFront(g, i, left, top);
}

}  // namespace

void SortBySuits(Game& g)
{
    static constexpr int32_t ValuesBySuit[] = {ValueNine, ValueJack, ValueQueen, ValueKing, ValueTen, ValueAce};
    int left = PlayerHandLeft;
    for (int32_t suit = SuitDiamonds; suit <= SuitSpades; ++suit)
        for (int32_t value : ValuesBySuit)
            for (int i = 1; i <= CardCount; ++i) {
                const CardInfo& c = g.Cards[i];
                if (InPlayerRow(c) && c.Suit == suit && c.Value == value) {
                    Place(g, i, static_cast<int16_t>(i), left, PlayerHandTop);
                    left += SortedStep;
                }
            }
}

void SortBySame(Game& g)
{
    // By face, the Tens straight after the Nines.
    static constexpr int32_t ValuesByFace[] = {ValueNine, ValueTen, ValueJack, ValueQueen, ValueKing, ValueAce};
    int left = PlayerHandLeft;
    for (int32_t value : ValuesByFace)
        for (int i = 1; i <= CardCount; ++i) {
            const CardInfo& c = g.Cards[i];
            if (InPlayerRow(c) && c.Value == value) {
                Place(g, i, static_cast<int16_t>(i), left, PlayerHandTop);
                left += SortedStep;
            }
        }
    BackToSpeed(g);
}

void ResortHand(Game& g)
{
    // The caption names the order the button applies next; the other order is the one shown.
    if (g.Table.CmdSort.Caption == CaptionSortSuits)
        SortBySame(g);
    else
        SortBySuits(g);
}

void LayOutPlayerHand(Game& g)
{
    int left = PlayerHandLeft;
    for (int i = 1; i <= CardCount; ++i)
        if (InPlayerRow(g.Cards[i])) {
            Place(g, i, static_cast<int16_t>(i), left, PlayerHandTop);
            left += DealStep;
        }
}

void LayOutComputerHand(Game& g)
{
    int left = ComputerHandLeft;
    for (int i = 1; i <= CardCount; ++i) {
        const CardInfo& c = g.Cards[i];
        if (c.Location == LocComputerHand && !c.Melded) {
            Place(g, i, ImageBack, left, ComputerHandTop);
            left += ComputerStep;
        }
    }
    BackToSpeed(g);
}

void LayOutStock(Game& g)
{
    // From the twelfth trick on the last stock card keeps its face-up picture where it lies.
    if (g.TricksPlayed >= TricksInRound1)
        return;
    int left = StockLeft;
    int top = StockTop;
    for (int i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Location == LocStock) {
            g.Table.PicCard[i].Visible = true;
            Place(g, i, ImageBack, left, top);
            left += StockStepLeft;
            top += StockStepTop;
        }
}

void ShowStockCount(Game& g) { g.Table.LblStock.Caption = "Stock " + std::to_string(g.StockCount); }

void CollectTrick(Game& g, int32_t Who)
{
    auto& led = g.Table.PicCard[g.TrickCard1];
    auto& second = g.Table.PicCard[g.TrickCard2];
    const PaceScope pace(g, CollectPace);
    Pause(g);
    Pause(g);
    led.Picture = ImageBack;
    Pause(g);
    second.Top = led.Top;
    Pause(g);
    led.Left = second.Left;
    Pause(g);
    second.Visible = false;
    if (Who == SidePlayer) {
        led.Left = g.PlayerPileLeft;
        led.Top = PlayerPileTop;
        Pause(g);
        g.PlayerPileLeft = static_cast<int16_t>(g.PlayerPileLeft + PileStep);
        Pause(g);
    } else if (Who == SideComputer) {
        led.Left = g.BotPileLeft;
        led.Top = ComputerPileTop;
        Pause(g);
        g.BotPileLeft = static_cast<int16_t>(g.BotPileLeft + PileStep);
    }
    PauseWithCardSound(g);
}
