#include "engine/computer/ComputerRound2.h"

#include "engine/computer/ComputerHand.h"
#include "engine/computer/ComputerRound1.h"

namespace {

int16_t LeadRound2(const Game& g)
{
    if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
            return card.Value == ValueAce && card.Suit == g.TrumpSuit;
        }))
        return c;
    if (int16_t c = FirstComputerCard(g, [](const CardInfo& card) { return card.Value == ValueAce; }))
        return c;
    if (int16_t c = FirstComputerCard(g, [](const CardInfo& card) { return card.Value == ValueTen; }))
        return c;
    if (int16_t c = CheapestComputerCard(g))
        return c;
    return FirstComputerCard(g);
}

int16_t AnswerRound2(const Game& g)
{
    if (HasSuitComputer(g, g.TrickSuit1)) {
        // Follow suit: the highest card of the suit when it beats the led card, else the lowest.
        const int32_t led = LedCardValue(g);
        if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
                return card.Suit == g.TrickSuit1 && card.Value > led;
            }))
            return c;
        return LowestCardOfSuit(g, g.TrickSuit1);
    }
    // Cannot follow: a trump must go on a plain lead, and the highest one does.
    if (g.TrickSuit1 != g.TrumpSuit) {
        if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) { return card.Suit == g.TrumpSuit; }))
            return c;
    }
    if (int16_t c = CheapestComputerCard(g))
        return c;
    return FirstComputerCard(g);
}

}  // namespace

int16_t ChooseComputerCardRound2(Game& g)
{
    return ChooseComputerCard(g, LeadRound2, AnswerRound2, " Something wrong, no card found");
}

bool HasSuitComputer(const Game& g, int32_t WhichSuit)
{
    return FirstComputerCard(g, [&](const CardInfo& card) { return card.Suit == WhichSuit; }) != 0;
}

int16_t LowestCardOfSuit(const Game& g, int32_t WhichSuit)
{
    for (int32_t value = ValueNine; value <= ValueAce; ++value) {
        if (int16_t c = FirstComputerCard(g, [&](const CardInfo& card) {
                return card.Suit == WhichSuit && card.Value == value;
            }))
            return c;
    }
    return 0;
}
