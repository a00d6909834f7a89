#include "help/HelpText.h"

namespace {

constexpr const char* PageOne[] = {
    "",
    "",
    "",
    "     Pinochle is a popular card game, believed to have come to the United States with",
    "     German immigrants. This is its version for two players. Of the many sets of rules, one",
    "     common set has been chosen, with no options, so that those learning the game are not",
    "     confused. Players who know the game well will find the computer opponent a challenge.",
    "",
    "     THE PACK: Two packs of 52 cards with the cards from 2 to 8 taken out, 48 cards in all.",
    "",
    "     RANK OF CARDS: A (high), 10, K, Q, J, 9. The 10 ranks above K, Q and J. See below.",
    "",
    "",
    "",
    "",
    "",
    "",
    "     THE SHUFFLE AND CUT: The computer shuffles the cards well, and a random choice",
    "     decides whether you or your opponent deals first.",
    "",
    "     THE DEAL: Twelve cards go to each player in packets of three, the non-dealer first.",
    "     The next card is turned face up and its suit is trumps. The rest of the cards form",
    "     the stock, from which both players draw after each trick.",
    "",
    "     OBJECT OF THE GAME: To meld and to win tricks for points, until one player reaches",
    "     or passes the target score.",
    "",
    "     SCORING: If the dealer turns over a Nine as the trump card, he scores 10 points. Thereafter, either player, upon ",
    "     winning a trick, may exchange a trump Nine for the trump card turned over, or merely declare a trump Nine and ",
    "     score 10 points. It does not have to be melded and can be played in a trick if desired.",
    "",
};

constexpr const char* PageTwo[] = {
    "",
    "",
    "     SCORING:",
    "     Points are scored for melds (declarations) and for the cards won in tricks. The melds, their values",
    "     and the cards they need are listed below. Melded cards may still be played to tricks, or used again",
    "     in a new meld of a different kind: a King melded in a marriage may serve to make four Kings or a run,",
    "     but not another marriage.",
    "",
    "",
    "",
    "     The other declarations are:",
    "",
    "      Marriage (K, Q of the same suit) in trumps 40",
    "      Marriage (K, Q in any suit) 20",
    "      Sequence (A, 10, K, Q, J of trumps) 150",
    "      Pinochle (Queen of Spades and Jack of Diamonds) 40 ",
    "      Double Pinochle 500",
    "       4 Aces different suits 100",
    "      4 Kings different suits 80",
    "      4 Queens different suits 60",
    "      4 Jacks different suits 40",
};

constexpr const char* PageThree[] = {
    "     Points for each trick won are scored by winner of trick as follows. Each Ace 11 points, each Ten 10 points, each King 4 points, each Queen 3",
    "     points and each Jack 2 points. These points are not added until the end of each hand.",
    "",
    "     THE PLAY: The non-dealer leads to the first trick, and the winner of each trick leads to the next. In",
    "     the first phase any card may be played. The card led wins unless a higher card of its suit or a trump is played.",
    "",
    "     The winner of a trick may then declare. The declared cards lie face up to one side of the table until",
    "     they are played, which may be done at any time.",
    "",
    "     After any declaration the winner of the trick draws the top card of the stock and the loser the next",
    "     one, which brings each hand back to 12 cards.",
    "",
    "     A card may not serve twice in the same kind of declaration, but it may serve in different kinds: with",
    "     Spades as trumps, the Queen of Spades may be used in a marriage, a Pinochle and four Queens. The",
    "     computer refuses any declaration that is not allowed. A King used in a marriage cannot serve in",
    "     another marriage, but it can help to make four Kings.",
    "",
    "     When only one face-down card is left in the stock it is turned up. The winner of the trick chooses",
    "     which of the two face-up cards to take, and may still meld after taking it.",
    "",
    "     The declared cards then return to the hands and the last 12 cards are played out. Each player must",
    "     follow suit if possible, and otherwise play a trump if holding one. Tricks score as in the first",
    "     phase.",
    "",
    "     The usual target score is 1000 and can be changed from the menus. When both players are above the",
    "     target at the end of a hand, it rises by 250 each time until only one of them has reached it. A",
    "     player who reaches the target during the first phase is offered a button to knock and claim the",
    "     game, and the computer opponent does the same.",
    "",
    "     Cards are played by clicking them. After each trick you win, a set of buttons shows the declarations",
    "     you can make, and the computer lays the declared cards out. After a meld, or after the cancel",
    "     button, you receive a card from the stock automatically.",
    "",
    "     The computer guides you and prevents wrong moves; the Melds Reminder can be opened from the menu.",
    "",
};

}  // namespace

std::span<const char* const> HelpPageText(int page)
{
    switch (page) {
    case 1: return PageOne;
    case 2: return PageTwo;
    case 3: return PageThree;
    default: return {};
    }
}
