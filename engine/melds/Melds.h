#pragma once
// The six meld kinds: each procedure makes one attempt for one side and leaves the outcome in
// MeldMade. ComputerMeld is the computer's meld turn, at most one meld.
#include "engine/state/Game.h"

void MeldRun(Game& g, int32_t Who);
void MeldFours(Game& g, int32_t Who, int32_t WhichValue);
void MeldMarriage(Game& g, int32_t Who, int32_t WhichSuit);
void MeldPinochle(Game& g, int32_t Who);
void MeldDoublePinochle(Game& g, int32_t Who);
void MeldDix(Game& g, int32_t Who);
void ComputerMeld(Game& g);
