#pragma once
// The target check, the knocks, and the end of a game.
#include "engine/Game.h"

void CheckForWinner(Game& g);
void PlayerWinsGame(Game& g);
void ComputerWinsGame(Game& g);
