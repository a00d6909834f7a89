#pragma once
// The computer's choice at the last stock card: take the turned-up card, or leave it.
#include "engine/state/Game.h"

void ComputerChoosesLastCard(Game& g);
