#pragma once
// Scans of the computer's hand shared by both phases' choices: index order 1..48, first hit wins.
// With the table ordered by suit and, within a suit, from Ace down to Nine, the first hit is the
// highest-ranking qualifying card of the lowest-numbered qualifying suit.
#include "engine/Game.h"

template <class Test>
int16_t FirstComputerCard(const Game& g, Test&& test)
{
    for (int16_t i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Location == LocComputerHand && test(g.Cards[i]))
            return i;
    return 0;
}

// Any card of the hand.
inline int16_t FirstComputerCard(const Game& g)
{
    return FirstComputerCard(g, [](const CardInfo&) { return true; });
}

// The Value of the led card; a stray index reads as no card rather than past the table.
inline int32_t LedCardValue(const Game& g)
{
    if (g.TrickCard1 < 1 || g.TrickCard1 > CardCount)
        return 0;
    return g.Cards[g.TrickCard1].Value;
}
