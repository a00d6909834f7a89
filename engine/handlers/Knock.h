#pragma once
// The knock label: the user ends the game while the stock lasts.
#include "engine/state/Game.h"

void LblKnock_Click(Game& g);
