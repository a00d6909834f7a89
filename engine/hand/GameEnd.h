#pragma once
// The target check, the knocks, and the end of a game.
#include "engine/state/Game.h"

void CheckForWinner(Game& g);
void PlayerWinsGame(Game& g);
void ComputerWinsGame(Game& g);
