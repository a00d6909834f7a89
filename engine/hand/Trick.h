#pragma once
// A trick of either phase: who wins it and its worth, recording its cards, counting it, and the
// settling of a first-phase trick (points, gathering, the winner's lead and meld turn).
#include <cstdint>

#include "engine/state/Game.h"

// Tricks of a hand: TricksInRound1 (Game.h) while the stock lasts, twelve more after it.
inline constexpr uint8_t TricksInHand = 24;
// The winner of the twelfth trick scores this much for it.
inline constexpr int16_t LastTrickBonus = 10;

// Who wins the trick on the table, and what it is worth.
int32_t TrickWinner(const Game& g);
int16_t TrickPoints(const Game& g);

// Settles a trick of the first phase.
void ResolveTrick(Game& g);

// Records a side's card as the trick's first when the side leads, else as its second. A 0 (no
// card found) is recorded as it is, without a suit; false then.
bool RecordTrickCard(Game& g, bool leads, int16_t card);

// Counts the next trick of the hand and shows its number in the status bar.
void BeginTrick(Game& g);

// Plays tricks until the hand has had the given number: each is begun, played and settled.
// False when a trick could not be played (the computer found no card); the hand stops there.
template <class Play, class Settle>
bool PlayTricksUntil(Game& g, uint8_t tricks, Play&& play, Settle&& settle)
{
    do {
        BeginTrick(g);
        if (!play(g))
            return false;
        settle(g);
    } while (g.TricksPlayed < tricks);
    return true;
}
