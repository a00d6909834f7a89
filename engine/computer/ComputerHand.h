#pragma once
// Scans of the computer's hand shared by both phases' choices: index order 1..48, first hit wins.
// With the table ordered by suit and, within a suit, from Ace down to Nine, the first hit is the
// highest-ranking qualifying card of the lowest-numbered qualifying suit.
#include "engine/flow/PlainBoxes.h"
#include "engine/state/CardTable.h"

template <class Test>
int16_t FirstComputerCard(const Game& g, Test&& test)
{
    return FirstCardAt(g, LocComputerHand, test);
}

// The computer's card in either phase: led when it is the computer's turn, else the answer to the
// user's card; 0, after a message, when none is found.
inline int16_t ChooseComputerCard(Game& g, int16_t (*lead)(const Game&), int16_t (*answer)(const Game&),
                                  const char* noCardMessage)
{
    if (!g.GameInProgress)
        return 0;
    const int16_t card = g.Turn == SideComputer ? lead(g) : answer(g);
    if (card == 0)
        MsgBox(g, noCardMessage);
    return card;
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
