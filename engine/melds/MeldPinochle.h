#pragma once
// One attempt at a meld for one side (SideComputer or SidePlayer); the outcome is left in MeldMade.
#include <cstdint>

#include "engine/state/Game.h"

void MeldPinochle(Game& g, int32_t Who);
void MeldDoublePinochle(Game& g, int32_t Who);
