#pragma once
// New Game (F2).
#include "engine/state/Game.h"

void MnuNew_Click(Game& g);
