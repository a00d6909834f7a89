#pragma once
// One attempt at a meld for one side (SideComputer or SidePlayer); the outcome is left in MeldMade.
#include <cstdint>

#include "engine/state/Game.h"

void MeldMarriage(Game& g, int32_t Who, int32_t WhichSuit);
