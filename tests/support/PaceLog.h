#pragma once
// Records every wait the engine makes on the virtual clock: when it began, how long it was to
// last, how many sounds had started by then, and where the card boxes lay while it ran.
#include <array>
#include <vector>

#include "tests/support/TestTable.h"

struct PaceLog {
    struct Wait {
        uint64_t At;
        int16_t Length;
        size_t Sounds;
        std::array<CardBox, 49> Boxes;
    };
    std::vector<Wait> Waits;

    explicit PaceLog(TestTable& t) : t_(t)
    {
        // With no event pending a pause handles events exactly once, so each round is one wait.
        t.plat.OnProcessEvents = [this] {
            Waits.push_back({t_.Now(), t_.g.PauseLength, t_.plat.Sounds.size(), t_.g.Table.PicCard});
        };
    }

    std::vector<int> Lengths() const
    {
        std::vector<int> out;
        for (const Wait& w : Waits)
            out.push_back(w.Length);
        return out;
    }

private:
    TestTable& t_;
};
