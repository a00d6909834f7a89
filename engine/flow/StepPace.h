#pragma once
// The slower steps of the game are paced at Speed and some milliseconds more, a few at a length of
// their own. Whatever pace a procedure sets, PauseLength is back at Speed when it returns.
#include "engine/state/Game.h"

inline void SetPace(Game& g, int extra) { g.PauseLength = static_cast<int16_t>(g.Speed + extra); }
inline void BackToSpeed(Game& g) { g.PauseLength = g.Speed; }

// A pace that does not follow Speed.
struct FixedPace {
    int16_t Length;
};

// Paces the pauses of its scope; when the scope ends, by a return or by an abandoned flow
// unwinding through it, PauseLength is back at Speed, the Speed of that moment.
class PaceScope {
public:
    PaceScope(Game& g, int extra) : g_(g) { SetPace(g_, extra); }
    PaceScope(Game& g, FixedPace pace) : g_(g) { g_.PauseLength = pace.Length; }
    ~PaceScope() { BackToSpeed(g_); }
    PaceScope(const PaceScope&) = delete;
    PaceScope& operator=(const PaceScope&) = delete;

private:
    Game& g_;
};

// A knock is heard over a longer pause, the user's and the computer's alike.
inline constexpr int KnockExtra = 300;
