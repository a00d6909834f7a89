// The first phase of a hand: twelve tricks, each followed by drawing while the stock lasts;
// then the end of the stock, where the winner of the twelfth trick takes the last stock card
// or the up card, and the switch to the second phase.
#include "engine/hand/Round1.h"

#include "engine/computer/ComputerLastCard.h"
#include "engine/computer/ComputerMeld.h"
#include "engine/computer/ComputerRound1.h"
#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Pacing.h"
#include "engine/hand/GameEnd.h"
#include "engine/hand/Round2.h"
#include "engine/hand/Trick.h"
#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"
#include "engine/steps/ScoreBoard.h"

namespace {

// One trick up to its resolution; false when the computer found no card to play.
bool PlayTrick(Game& g)
{
    auto& panel = g.Table.StatusBar[2].Text;
    if (g.Turn == SidePlayer) {
        panel = g.PlayerName + " please click card you wish to play.";
        g.PlayerToPlay = true;
        WaitWhile(g, g.PlayerToPlay);
        Pause(g);
        if (!RecordTrickCard(g, false, ChooseComputerCardRound1(g)))
            return false;
        PlayComputerCard(g, g.TrickCard2);
    } else {
        if (!RecordTrickCard(g, true, ChooseComputerCardRound1(g)))
            return false;
        PlayComputerCard(g, g.TrickCard1);
        g.PlayerToPlay = true;
        panel = g.PlayerName + " please click the card you wish to play";
        WaitWhile(g, g.PlayerToPlay);
    }
    return true;
}

// The winner draws first, each draw after a pause.
void DrawAfterTrick(Game& g)
{
    const int32_t winner = g.Turn == SidePlayer ? SidePlayer : SideComputer;
    const int32_t loser = OtherSide(winner);
    Pause(g);
    DrawFromStock(g, winner);
    Pause(g);
    DrawFromStock(g, loser);
}

void SettleTrick(Game& g)
{
    ResolveTrick(g);
    // A game won here ends by unwinding the flow, so this returns only while the game goes on.
    CheckForWinner(g);
    if (g.TricksPlayed != TricksInRound1)
        DrawAfterTrick(g);
}

void TurnUpLastStockCard(Game& g)
{
    for (int i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Location == LocStock) {
            g.Table.PicCard[i].Picture = static_cast<int16_t>(i);
            g.LastStockCard = static_cast<int16_t>(i);
        }
    g.StockCount = 0;
    ShowStockCount(g);
}

void UserChoosesLastCard(Game& g)
{
    ScoresOf(g, SidePlayer).LastTrick.Value = LastTrickBonus;
    AddTrickScore(g, SidePlayer);
    DeluxeMsgBox(g,
                 g.PlayerName + " you won the last trick, if you wish to take " + g.Cards[g.LastStockCard].Name +
                     " click on Stock Card or click on Up Card to take Trump card.",
                 "Stock Card", "Up Card", "", IconCards, "Make choice");
    const bool stockCard = g.DialogButton == AnswerButton1;
    g.Table.StatusBar[2].Text =
        g.PlayerName + (stockCard ? " is taking last Stock Card" : " is taking the Trump card.");
    const int16_t taken = stockCard ? g.LastStockCard : g.UpCard;
    const int16_t given = stockCard ? g.UpCard : g.LastStockCard;
    g.Cards[taken].Location = LocPlayerHand;
    ResortHand(g);
    g.Cards[given].Location = LocComputerHand;
    LayOutComputerHand(g);

    // A second meld turn, with the card just taken; no card can be played meanwhile.
    g.PlayerToMeld = true;
    g.Table.FramDeclare.Visible = true;
    g.Table.BringToFront(g.Table.FramDeclare);
    g.Table.StatusBar[2].Text = " Click a Meld to make or click Cancel to receive a card";
    WaitWhile(g, g.PlayerToMeld);
    g.Table.FramDeclare.Visible = false;
}

void ComputerTakesLastCard(Game& g)
{
    ScoresOf(g, SideComputer).LastTrick.Value = LastTrickBonus;
    AddTrickScore(g, SideComputer);
    g.Table.StatusBar[2].Text = g.BotName + " deciding which card to take";
    Pause(g);
    ComputerChoosesLastCard(g);
    ComputerMeld(g);
}

void SwitchToRound2(Game& g)
{
    g.Table.LblKnock.Visible = false;
    for (int i = 1; i <= CardCount; ++i)
        g.Cards[i].Melded = false;
    LayOutComputerHand(g);
    ResortHand(g);
    LayOutStock(g);
    if (g.Turn == SidePlayer) {
        // The second phase's first wait for the user's lead relies on this.
        g.PlayerToPlay = true;
    } else {
        g.PlayerToPlay = false;
        g.Turn = SideComputer;
    }
    g.InRound1 = false;
    g.InRound2 = true;
    g.Table.StatusBar[4].Text = "Round 2";
    DeluxeMsgBox(g,
                 g.PlayerName + " you are now on Round Two and must follow suit or play a Trump if you do not have "
                                "suit but have a Trump",
                 "Right", "", "", IconInfo, "Round Two");
}

}  // namespace

void PlayRound1(Game& g)
{
    if (!g.GameInProgress)
        return;
    if (!PlayTricksUntil(g, TricksInRound1, PlayTrick, SettleTrick))
        return;

    TurnUpLastStockCard(g);
    if (g.Turn == SidePlayer)
        UserChoosesLastCard(g);
    else
        ComputerTakesLastCard(g);
    SwitchToRound2(g);
    PlayRound2(g);
}
