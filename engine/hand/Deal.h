#pragma once
// Every hand starts here: the reset of the table and the hand (and at a new game the game
// scores and the target), then the deal in four packets of three and the up card.
#include "engine/state/Game.h"

void NewHand(Game& g);
void DealHand(Game& g);
void DealToComputer(Game& g);
void DealToPlayer(Game& g);
void ShowTrumps(Game& g);
