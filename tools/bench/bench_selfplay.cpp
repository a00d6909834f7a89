#include <chrono>
#include <cstdio>

#include "tests/support/SelfPlay.h"
#include "tools/bench/Bench.h"

double MeasureSelfPlay()
{
    SelfPlayOptions o;
    o.Seed = 2024;
    o.Games = 200;
    SelfPlay play(o);
    const auto t0 = std::chrono::steady_clock::now();
    play.Run();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!play.Violations().empty())
        std::printf("self-play found %zu broken rules; the first: %s\n", play.Violations().size(),
                    play.Violations().front().c_str());
    return play.Stats().Hands / s;
}
