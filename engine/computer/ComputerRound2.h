#pragma once
// The computer's card in the second phase: it follows suit, else trumps, else gives its cheapest.
#include "engine/state/Game.h"

int16_t ChooseComputerCardRound2(Game& g);
bool HasSuitComputer(const Game& g, int32_t WhichSuit);
int16_t LowestCardOfSuit(const Game& g, int32_t WhichSuit);
