#include "engine/computer/ComputerLastCard.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/steps/CardMoves.h"

namespace {

// The end of the stock is announced at a slower pace than the user's, so the notice and the two
// cards can be followed.
constexpr FixedPace LastCardPace{700};

// The last stock card is worth taking only as a higher trump than an up card that is not already
// an Ace or a Ten.
bool TakesStockCard(const Game& g)
{
    const CardInfo& up = g.Cards[g.UpCard];
    const CardInfo& stock = g.Cards[g.LastStockCard];
    if (up.Value == ValueAce || up.Value == ValueTen)
        return false;
    return stock.Suit == g.TrumpSuit && stock.Value > up.Value;
}

}  // namespace

void ComputerChoosesLastCard(Game& g)
{
    const PaceScope pace(g, LastCardPace);
    const bool stock = TakesStockCard(g);
    const int16_t taken = stock ? g.LastStockCard : g.UpCard;
    const int16_t other = stock ? g.UpCard : g.LastStockCard;
    if (stock)
        DeluxeMsgBox(g, g.BotName + " has decided to take the last Stock card.", "O.K", "", "", IconCards,
                     "Taking Stock card");
    else
        DeluxeMsgBox(g, g.BotName + " has decided to take the UpCard trump.", "O.K", "", "", IconCards,
                     "Taking trump card");
    Pause(g);
    // The card left for the user is the user's already while the computer's card moves.
    g.Cards[other].Location = LocPlayerHand;
    // The moves pace themselves and leave PauseLength at Speed for the last pause.
    MoveDrawnCard(g, SideComputer, taken);
    MoveDrawnCard(g, SidePlayer, other);
    g.Table.LblStock.Caption = std::string("0");  // a temporary: GCC 12 warns falsely on the literal
    Pause(g);
}
