// Every hand starts here: the table and the hand are reset (and at a new game the game scores
// and the target), then twelve cards a side are dealt in packets of three, the up card fixes
// trumps and the first phase begins.
#include "engine/hand/Deal.h"

#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/hand/Round1.h"
#include "engine/state/CardTable.h"
#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"
#include "engine/steps/ScoreBoard.h"

namespace {

constexpr int16_t PileStartLeft = 10440;
constexpr FixedPace DealtToUserPace{25};
constexpr int16_t FullStockCount = 24;  // the 23 face-down cards and the up card
constexpr int16_t NineTurnedUpBonus = 10;
constexpr int PacketsPerSide = 4;
constexpr int CardsPerPacket = 3;
// The stops of a dealt card on its way from the pack to its hand.
constexpr TablePlace ToComputerStop1{1080, 1320}, ToComputerStop2{2760, 1220};
constexpr TablePlace ToUserStop1{1080, 2280}, ToUserStop2{1920, 4560}, ToUserStop3{3360, 8120};

// The hand's eight values and their labels; at a new game the two totals as well.
void ClearScores(Game& g, bool newGame)
{
    for (int32_t side : {SidePlayer, SideComputer}) {
        const SideScores s = ScoresOf(g, side);
        if (newGame)
            s.TotalScore.Set(0);
        for (const ScoreFigure& f : {s.LastMeld, s.LastTrick, s.TotTricks, s.TotalMelds})
            f.Set(0);
    }
}

void ClearPinochleFlags(Game& g)
{
    g.PinochleMeldedP = g.PinochleMeldedC = false;
    g.DblPinochleMeldedP = g.DblPinochleMeldedC = false;
}

// A card from the stock into the side's hand, its box shown: face up for the user only.
int16_t TakeFromStock(Game& g, int32_t Who)
{
    const int16_t n = PickStockCard(g);
    g.Cards[n].Location = HandOf(Who);
    g.Table.PicCard[n].Picture = Who == SidePlayer ? n : ImageBack;
    g.Table.PicCard[n].Visible = true;
    return n;
}

void DealPacket(Game& g, int32_t side)
{
    for (int k = 0; k < CardsPerPacket; ++k) {
        if (side == SidePlayer)
            DealToPlayer(g);
        else
            DealToComputer(g);
    }
    Pause(g);
}

}  // namespace

void NewHand(Game& g)
{
    SetUpCards(g);
    ClearPinochleFlags(g);
    g.BotPileLeft = g.PlayerPileLeft = PileStartLeft;
    for (int i = 1; i <= CardCount; ++i) {
        g.Table.PicCard[i].Visible = false;
        g.Cards[i].Location = LocStock;
        ClearMeldFlags(g.Cards[i]);
    }
    // A hand cut short by a new game or a knock can leave the meld panels or the knock label
    // open; carried into the new hand they would swallow its card clicks or offer a stale knock.
    g.Table.FramDeclare.Visible = false;
    g.Table.FramMarriage.Visible = false;
    g.Table.LblKnock.Visible = false;

    ClearScores(g, !g.GameInProgress);

    g.LastStockCard = 0;
    g.MeldMade = false;
    g.StockCount = 0;
    g.Table.LblStock.Caption = "Stock";

    g.PlayerToPlay = g.PlayerToMeld = g.PlayerKnocked = false;
    g.InRound1 = g.InRound2 = false;
    g.TrickSuit1 = g.TrickSuit2 = SuitNone;
    g.TrickCard1 = g.TrickCard2 = 0;

    if (!g.GameInProgress) {
        g.RoundNumber = 0;
        g.Table.StatusBar[4].Text = "Round ";
        g.Table.StatusBar[3].Text = "Tricks";
        g.TargetScore = DefaultTarget;
        g.Table.Caption = "Target Score " + std::to_string(g.TargetScore);
    }

    g.TricksPlayed = 0;
    g.TrumpSuit = SuitNone;
    g.UpCard = 0;
    DealHand(g);
}

void DealHand(Game& g)
{
    auto& t = g.Table;
    g.GameInProgress = true;
    t.LblStock.Visible = true;

    if (g.Dealer == SidePlayer) {
        g.Dealer = SideComputer;
        t.StatusBar[2].Text = g.PlayerName + " a cut for dealer was made and " + g.BotName + " will deal.";
    } else {
        g.Dealer = SidePlayer;
        t.StatusBar[2].Text = g.PlayerName + " a cut for dealer made and you will deal.";
    }
    const int32_t dealer = g.Dealer;
    const int32_t nonDealer = OtherSide(dealer);

    PlaySoundFile(g, "riffle.wav");
    Pause(g);
    Pause(g);

    for (int pass = 0; pass < PacketsPerSide; ++pass) {
        DealPacket(g, nonDealer);
        DealPacket(g, dealer);
    }

    g.UpCard = PickStockCard(g);
    CardBox& up = t.PicCard[g.UpCard];
    // The up card lies under the stock's slanting pile, so it is not brought to the front.
    up.Left = UpCardLeft;
    up.Top = UpCardTop;
    up.Picture = g.UpCard;
    up.Visible = true;
    g.Cards[g.UpCard].Location = LocUpCard;
    g.TrumpSuit = g.Cards[g.UpCard].Suit;

    LayOutStock(g);
    SortBySame(g);
    t.CmdSort.Caption = CaptionSortSuits;
    LayOutComputerHand(g);
    ShowTrumps(g);
    g.StockCount = FullStockCount;
    ShowStockCount(g);
    t.CmdSort.Visible = true;

    if (g.Cards[g.UpCard].Value == ValueNine) {
        g.Cards[g.UpCard].Melded = true;
        const SideScores s = ScoresOf(g, dealer);
        s.LastTrick.Value = NineTurnedUpBonus;
        t.StatusBar[2].Text = s.Name + " turns up a 9 - Score- " + std::to_string(NineTurnedUpBonus);
        Pause(g);
        AddTrickScore(g, dealer);
    }

    if (dealer == SidePlayer) {
        t.StatusBar[2].Text = g.BotName + " to lead a card.";
        g.Turn = SideComputer;
    } else {
        t.StatusBar[2].Text = g.PlayerName + " please Left or Right click to play card.";
        g.PlayerToPlay = true;
        g.Turn = SidePlayer;
    }

    g.RoundNumber = static_cast<uint8_t>(g.RoundNumber + 1);
    t.StatusBar[4].Text = "Round " + std::to_string(g.RoundNumber);
    g.InRound1 = true;
    PlayRound1(g);
}

void DealToComputer(Game& g)
{
    const int16_t n = TakeFromStock(g, SideComputer);
    MoveVia(g, n, {ToComputerStop1});
    Land(g, n, ToComputerStop2);
    LayOutComputerHand(g);
}

void DealToPlayer(Game& g)
{
    const PaceScope pace(g, DealtToUserPace);
    const int16_t n = TakeFromStock(g, SidePlayer);
    MoveVia(g, n, {ToUserStop1, ToUserStop2, ToUserStop3});
    PauseWithCardSound(g);
    LayOutPlayerHand(g);
}

void ShowTrumps(Game& g)
{
    if (g.TrumpSuit < SuitDiamonds || g.TrumpSuit > SuitSpades)
        return;
    auto& t = g.Table;
    t.StatusBar[1].Text = std::string(SuitName(g.TrumpSuit)) + " are Trumps";
    t.StatusBar[1].Picture = static_cast<int16_t>(ImageSuitBase + g.TrumpSuit);
    t.StatusBar[2].Text = "The UpCard is " + g.Cards[g.UpCard].Name;
}
