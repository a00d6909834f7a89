#include "engine/computer/ComputerMeld.h"

#include "engine/melds/MeldDix.h"
#include "engine/melds/MeldFours.h"
#include "engine/melds/MeldMarriage.h"
#include "engine/melds/MeldPinochle.h"
#include "engine/melds/MeldRun.h"

namespace {

using Attempt = void (*)(Game&);

// The computer's order of trying: the first meld that is there is the one it makes. Marriages
// go Diamonds, Clubs, Spades, Hearts whatever the trumps.
constexpr Attempt Attempts[] = {
    [](Game& g) { MeldDix(g, SideComputer); },
    [](Game& g) { MeldDoublePinochle(g, SideComputer); },
    [](Game& g) { MeldPinochle(g, SideComputer); },
    [](Game& g) { MeldMarriage(g, SideComputer, SuitDiamonds); },
    [](Game& g) { MeldMarriage(g, SideComputer, SuitClubs); },
    [](Game& g) { MeldMarriage(g, SideComputer, SuitSpades); },
    [](Game& g) { MeldMarriage(g, SideComputer, SuitHearts); },
    [](Game& g) { MeldFours(g, SideComputer, ValueAce); },
    [](Game& g) { MeldFours(g, SideComputer, ValueKing); },
    [](Game& g) { MeldFours(g, SideComputer, ValueQueen); },
    [](Game& g) { MeldFours(g, SideComputer, ValueJack); },
    [](Game& g) { MeldRun(g, SideComputer); },
};

}  // namespace

void ComputerMeld(Game& g)
{
    g.MeldMade = false;
    for (Attempt attempt : Attempts) {
        attempt(g);
        if (g.MeldMade)
            return;
    }
}
