#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/QtPlatform.h"
#include "engine/flow/Pacing.h"
#include "tools/bench/Bench.h"

PauseFigures MeasurePauses()
{
    QtPlatform platform;
    Game g(platform);
    platform.Attach(g, nullptr);
    static constexpr int16_t Lengths[] = {1, 5, 25, 100, 250, 25, 100, 25};
    std::vector<double> overshoot;
    PauseFigures f;
    for (int round = 0; round < 6; ++round)
        for (int16_t length : Lengths) {
            g.PauseLength = length;
            const auto t0 = std::chrono::steady_clock::now();
            Pause(g);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            overshoot.push_back(ms - length);
            if (ms < length - 1.0)
                ++f.Shorter;
        }
    std::sort(overshoot.begin(), overshoot.end());
    f.Count = static_cast<int>(overshoot.size());
    f.MedianOvershootMs = overshoot[overshoot.size() / 2];
    f.WorstOvershootMs = overshoot.back();
    return f;
}

void PrintFigures(const BenchFigures& f)
{
    std::printf("start-up to the first shown window:     %8.1f ms    (goal below 250)\n", f.StartupMs);
    std::printf("CPU while waiting 10 s for a card:      %8.2f %%     of one core (goal below 0.5)\n", f.IdleCpuPercent);
    std::printf("peak resident memory after a deal:      %8.1f MB    (goal below 80)\n", f.PeakMbAfterDeal);
    std::printf("pauses: %d measured, %d shorter than their length by more than a tick\n",
                f.PauseOvershoot.Count, f.PauseOvershoot.Shorter);
    std::printf("pause overshoot, median / worst:        %8.2f / %.2f ms (goal: median below 2)\n",
                f.PauseOvershoot.MedianOvershootMs, f.PauseOvershoot.WorstOvershootMs);
    std::printf("self-play on the virtual clock:         %8.0f hands per second (goal above 2000)\n",
                f.SelfPlayHandsPerSecond);
}
