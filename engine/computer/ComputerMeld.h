#pragma once
// The computer's meld turn: at most one meld.
#include "engine/state/Game.h"

void ComputerMeld(Game& g);
