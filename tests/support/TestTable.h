#pragma once
// A game on the virtual platform, with helpers to set up a table by hand.
#include <initializer_list>

#include "engine/hand/Deal.h"
#include "engine/state/CardTable.h"
#include "engine/state/Game.h"
#include "tests/support/VirtualPlatform.h"

struct TestTable {
    explicit TestTable(uint64_t seed = 1, uint32_t startTick = 1000) : plat(seed, startTick), g(plat)
    {
        plat.G = &g;
        g.HandEntry = NewHand;
        g.Speed = 100;
        SetUpCards(g);
        for (int i = 1; i <= CardCount; ++i)
            g.Cards[i].Location = LocPlayed;
    }

    // Puts the listed cards at a location (every other card keeps its own).
    void Put(int32_t location, std::initializer_list<int> cards)
    {
        for (int i : cards)
            g.Cards[i].Location = location;
    }

    uint64_t Now() const { return plat.Clock; }

    VirtualPlatform plat;
    Game g;
};
