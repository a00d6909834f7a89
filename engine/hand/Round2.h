#pragma once
// The second phase of a hand, tricks 13 to 24, and the end of the hand.
#include "engine/state/Game.h"

void PlayRound2(Game& g);
