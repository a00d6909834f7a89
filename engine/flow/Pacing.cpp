#include "engine/flow/Pacing.h"

#include "engine/flow/Flow.h"

namespace {

// Elapsed milliseconds between two tick counts taken as unsigned 32-bit numbers, so a pause
// keeps its length when the count wraps.
uint32_t Elapsed(uint32_t from, uint32_t to) { return to - from; }

bool PauseOver(const Game& g, uint32_t now)
{
    return g.PauseLength <= 0 || Elapsed(g.PauseStart, now) >= static_cast<uint32_t>(g.PauseLength);
}

void WaitForPauseEnd(Game& g)
{
    WaitScope scope(g);
    for (;;) {
        ThrowIfAbandoned(g);
        if (PauseOver(g, g.Plat.GetTickCount()))
            return;
        g.Plat.ProcessEvents(g.PauseStart + static_cast<uint32_t>(g.PauseLength));
    }
}

}  // namespace

void Pause(Game& g)
{
    g.PauseStart = g.Plat.GetTickCount();
    WaitForPauseEnd(g);
}

void PauseWithCardSound(Game& g)
{
    PlaySoundFile(g, "carddeal1.wav");
    Pause(g);
}

void WaitWhile(Game& g, const bool& flag, bool atLeastOnce)
{
    WaitScope scope(g);
    ThrowIfAbandoned(g);
    if (atLeastOnce) {
        g.Plat.ProcessEvents(flag ? std::nullopt : std::optional<uint32_t>(g.Plat.GetTickCount()));
        ThrowIfAbandoned(g);
    }
    while (flag) {
        g.Plat.ProcessEvents(std::nullopt);
        ThrowIfAbandoned(g);
    }
}

void PlaySoundFile(Game& g, const std::string& fileName) { g.Plat.PlaySound(fileName); }
