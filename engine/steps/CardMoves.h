#pragma once
// Single cards moving across the table: played to the trick, drawn from the stock, taken in.
#include <initializer_list>

#include "engine/state/Game.h"

// Jumps a card's box to the place and brings it to the front.
void MoveToFront(Game& g, int16_t card, int left, int top);

struct TablePlace {
    int Left;
    int Top;
};
// The card jumps to the front at each stop in turn, with a pause after each.
void MoveVia(Game& g, int16_t card, std::initializer_list<TablePlace> stops);
// The card jumps to the front where it lands, and the card sound is heard over a pause.
void Land(Game& g, int16_t card, TablePlace place);

void PlayComputerCard(Game& g, int16_t CardIndex);
void PlayerPlaysCard(Game& g, int16_t CardIndex);
void MoveDrawnCard(Game& g, int32_t Who, int16_t CardIndex);
void DrawFromStock(Game& g, int32_t Who);
