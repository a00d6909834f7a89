#pragma once
// The user's card click, and the rule questions it asks.
#include <cstdint>

#include "engine/state/Game.h"

void PicCard_Click(Game& g, int16_t Index);
bool HasSuitPlayer(const Game& g, int32_t WhichSuit);
bool HasTrumps(const Game& g, int32_t WhichSuit);
