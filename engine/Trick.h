#pragma once
// Settling a trick of the first phase: points, gathering, the winner's lead and meld turn.
#include "engine/Game.h"

void ResolveTrick(Game& g);
