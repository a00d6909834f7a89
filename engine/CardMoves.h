#pragma once
// Single cards moving across the table: played to the trick, drawn from the stock, taken in.
#include "engine/Game.h"

// Jumps a card's box to the place and brings it to the front.
void MoveToFront(Game& g, int16_t card, int left, int top);

void PlayComputerCard(Game& g, int16_t CardIndex);
void PlayerPlaysCard(Game& g, int16_t CardIndex);
void MoveDrawnCard(Game& g, int32_t Who, int16_t CardIndex);
void DrawFromStock(Game& g, int32_t Who);
