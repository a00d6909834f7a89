// The user's click on a card box: clicks that are no move are filtered out, forbidden moves
// get a notice, and an accepted card is recorded as the trick's card and sent to the table.
#include "engine/handlers/CardClick.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Pacing.h"
#include "engine/hand/Trick.h"
#include "engine/state/CardTable.h"
#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"

namespace {

bool UserHoldsSuit(const Game& g, int32_t suit)
{
    return FirstCardAt(g, LocPlayerHand, [&](const CardInfo& c) { return c.Suit == suit; }) != 0;
}

void Notice(Game& g, const std::string& prompt, const char* button, const char* title)
{
    DeluxeMsgBox(g, prompt, button, "", "", IconInfo, title);
}

// The second phase's rules for an answer to the computer's lead; false when a notice refused it.
bool AnswerIsAllowed(Game& g, const CardInfo& card)
{
    const int32_t led = g.TrickSuit1;
    const bool holdsLed = HasSuitPlayer(g, led);
    if (holdsLed && card.Suit != led) {
        Notice(g, g.PlayerName + " You have a card of the same suit and must play it.", "Ah Right",
               "Must follow suit.");
        return false;
    }
    if (HasTrumps(g, g.TrumpSuit) && !holdsLed && card.Suit != g.TrumpSuit) {
        Notice(g, g.PlayerName + " You have a Trump and must play it.", "O.K", "You have a Trump");
        return false;
    }
    return true;
}

void Record(Game& g, int16_t index)
{
    RecordTrickCard(g, g.Turn == SidePlayer, index);
    g.Table.StatusBar[2].Text = g.PlayerName + " is playing " + g.Cards[index].Name;
    // Taken: a second click during the pause below finds the engine no longer waiting.
    g.PlayerToPlay = false;
}

}  // namespace

bool HasSuitPlayer(const Game& g, int32_t WhichSuit) { return UserHoldsSuit(g, WhichSuit); }

bool HasTrumps(const Game& g, int32_t WhichSuit) { return UserHoldsSuit(g, WhichSuit); }

void PicCard_Click(Game& g, int16_t Index)
{
    if (Index < 1 || Index > CardCount)
        return;
    if (!g.GameInProgress || !g.PlayerToPlay)
        return;
    const CardInfo& card = g.Cards[Index];
    const TableModel& t = g.Table;
    if (card.Location == LocPlayerHand && (t.FramDeclare.Visible || t.FramMarriage.Visible))
        return;

    switch (card.Location) {
    case LocStock:
        return;
    case LocComputerHand:
        Notice(g, g.PlayerName + " You really musn't try to look at " + g.BotName + " card you know!",
               "Just Peeping", "Tut Tut");
        return;
    case LocPlayed:
        Notice(g, g.PlayerName + " These cards have been played and are now out of the hand.", "Right",
               "Cards out of game");
        return;
    case LocUpCard:
        // While the twelfth trick is played the up card is about to be handed out: the click
        // is simply ignored.
        if (g.TricksPlayed != TricksInRound1)
            Notice(g, g.PlayerName + " This is the UpCard " + g.Cards[g.UpCard].Name + " and the suit is trumps",
                   "Right", "The Up Card");
        return;
    case LocPlayerHand:
        break;
    default:
        return;
    }

    if (g.InRound2) {
        if (g.Turn != SidePlayer && !AnswerIsAllowed(g, card))
            return;
        Record(g, Index);
        // The card leaves the hand now, so the row closes up at once.
        g.Cards[Index].Location = LocPlayed;
    } else if (g.InRound1) {
        Record(g, Index);
    } else {
        return;
    }
    Pause(g);
    ResortHand(g);
    PlayerPlaysCard(g, Index);
}
