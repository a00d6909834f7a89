#pragma once
// The table window's load step: defaults, the saved settings, all cards face down in the stock.
#include "engine/state/Game.h"

void Form_Load(Game& g);
