#pragma once
// Filling the card table and drawing cards from the stock.
#include "engine/state/Game.h"

// Names, values and suits of all 48 cards; PauseLength becomes Speed. Locations and flags stay.
void SetUpCards(Game& g);

// A card index (1..48) drawn with equal chance among the cards at LocStock. Changes nothing;
// the caller gives the card its new Location at once. Returns 0 when the stock is empty.
int16_t PickStockCard(Game& g);

// Count of the cards at one Location.
int CountAt(const Game& g, int32_t location);

// The first card in index order at the Location that passes the test; 0 when none does.
template <class Test>
int16_t FirstCardAt(const Game& g, int32_t location, Test&& test)
{
    for (int i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Location == location && test(g.Cards[i]))
            return static_cast<int16_t>(i);
    return 0;
}
