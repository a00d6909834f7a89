#pragma once
// The slower steps of the game are paced at Speed and some milliseconds more.
#include "engine/state/Game.h"

inline void SetPace(Game& g, int extra) { g.PauseLength = static_cast<int16_t>(g.Speed + extra); }

// A knock is heard over a longer pause, the user's and the computer's alike.
inline constexpr int KnockExtra = 300;
