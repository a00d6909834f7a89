#include "engine/computer/ComputerRound1.h"

#include <initializer_list>

#include "engine/computer/ComputerHand.h"

namespace {

// The lower index of the first suit, in the given order, whose two copies of the value are both
// in the computer's hand.
int16_t BothCopiesHeld(const Game& g, int32_t value, std::initializer_list<int32_t> suits)
{
    for (int32_t suit : suits) {
        const int16_t first = FirstIndexOf(suit, value);
        if (g.Cards[first].Location == LocComputerHand && g.Cards[first + 1].Location == LocComputerHand)
            return first;
    }
    return 0;
}

// The Jack of Diamonds and the Queen of Spades make the Pinochle; they are kept while melding is
// still possible.
bool PinochleCard(const CardInfo& c)
{
    return (c.Value == ValueJack && c.Suit == SuitDiamonds) || (c.Value == ValueQueen && c.Suit == SuitSpades);
}

bool JackOrQueen(const CardInfo& c) { return c.Value == ValueJack || c.Value == ValueQueen; }

int16_t LeadRound1(const Game& g)
{
    for (auto choice : {ComputerHasBothAces, ComputerHasBothTens, ComputerNonTrumpNine, ComputerHasBothJacks,
                        ComputerHasBothQueens, ComputerHasBothKings})
        if (int16_t c = choice(g))
            return c;
    // A plain Club or Heart, out of trumps: leaves every Jack, Queen, Diamond and Spade at home.
    if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
            return !JackOrQueen(card) && card.Suit != SuitDiamonds && card.Suit != SuitSpades &&
                   card.Suit != g.TrumpSuit;
        }))
        return c;
    if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) { return card.Suit != g.TrumpSuit; }))
        return c;
    return FirstComputerCard(g);
}

int16_t AnswerRound1(const Game& g)
{
    const int32_t led = LedCardValue(g);
    // Beat the led card in its suit, but never with a Jack or a Queen.
    if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
            return card.Suit == g.TrickSuit1 && card.Value > led && !JackOrQueen(card);
        }))
        return c;
    if (int16_t c = ComputerNonTrumpNine(g))
        return c;
    if (g.TrickSuit1 != g.TrumpSuit) {
        if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
                return card.Suit == g.TrumpSuit && !JackOrQueen(card) && card.Value != ValueNine;
            }))
            return c;
    }
    return CheapestComputerCard(g);
}

}  // namespace

int16_t ChooseComputerCardRound1(Game& g)
{
    return ChooseComputerCard(g, LeadRound1, AnswerRound1, " If you can read this something wrong, has not found a card");
}

int16_t CheapestComputerCard(const Game& g)
{
    if (int16_t c = ComputerNonTrumpNine(g))
        return c;
    // Jack, Queen, King, Ten, Ace: the values in ascending order from the Jack. The Pinochle
    // cards are held back only while the stock lasts.
    for (int32_t value = ValueJack; value <= ValueAce; ++value) {
        if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
                return card.Value == value && !(g.InRound1 && PinochleCard(card));
            }))
            return c;
    }
    return FirstComputerCard(g);
}

int16_t ComputerNonTrumpNine(const Game& g)
{
    return FirstComputerCard(g, [&](const CardInfo& card) {
        return card.Value == ValueNine && card.Suit != g.TrumpSuit;
    });
}

int16_t ComputerHasBothAces(const Game& g)
{
    return BothCopiesHeld(g, ValueAce, {SuitDiamonds, SuitClubs, SuitHearts, SuitSpades});
}

int16_t ComputerHasBothTens(const Game& g)
{
    return BothCopiesHeld(g, ValueTen, {SuitDiamonds, SuitClubs, SuitHearts, SuitSpades});
}

int16_t ComputerHasBothKings(const Game& g)
{
    return BothCopiesHeld(g, ValueKing, {SuitDiamonds, SuitClubs, SuitHearts, SuitSpades});
}

// The Queens of Spades stay together for the Pinochle.
int16_t ComputerHasBothQueens(const Game& g)
{
    return BothCopiesHeld(g, ValueQueen, {SuitDiamonds, SuitClubs, SuitHearts});
}

// The Jacks of Diamonds stay together for the Pinochle; Spades come first.
int16_t ComputerHasBothJacks(const Game& g)
{
    return BothCopiesHeld(g, ValueJack, {SuitSpades, SuitClubs, SuitHearts});
}
