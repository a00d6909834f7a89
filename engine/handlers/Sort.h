#pragma once
// The sort button: its caption names the order the next click applies.
#include "engine/state/Game.h"

void CmdSort_Click(Game& g);
