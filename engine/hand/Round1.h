#pragma once
// The first phase of a hand: twelve tricks with drawing, the end of the stock, the switch.
#include "engine/state/Game.h"

void PlayRound1(Game& g);
