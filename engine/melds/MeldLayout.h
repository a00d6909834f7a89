#pragma once
// Melded cards shown face up: presented card by card in five slots, then each kind's row.
#include "engine/state/Game.h"

void PlaceMeldCard(Game& g, int32_t Who, uint8_t Slot, int16_t CardIndex);
void LayOutRun(Game& g, int32_t Who);
void LayOutFours(Game& g, int32_t Who);
void LayOutDoublePinochle(Game& g, int32_t Who);
void LayOutPinochle(Game& g, int32_t Who);
void LayOutMarriages(Game& g, int32_t Who);
