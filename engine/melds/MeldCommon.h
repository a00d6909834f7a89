#pragma once
// What the six meld procedures share: whose hand and name, the pending points, the score and
// status line of a made meld, and the user's notice for a meld that is not there.
#include <string>

#include "engine/state/CardTable.h"

// Only the user and the computer meld; anything else makes no attempt.
inline bool IsMeldSide(int32_t Who) { return Who == SidePlayer || Who == SideComputer; }

inline bool InHandOf(const Game& g, int i, int32_t Who) { return g.Cards[i].Location == HandOf(Who); }

// The first card in index order in the side's hand that passes the test; 0 when none does.
template <class Test>
int16_t FirstInHand(const Game& g, int32_t Who, Test&& test)
{
    return FirstCardAt(g, HandOf(Who), test);
}

// Puts the points into the side's pending meld points (replacing them) and books them.
void ScoreMeld(Game& g, int32_t Who, int16_t points);

// Panel 2: the side's name followed by the text.
void ShowMeldStatus(Game& g, int32_t Who, const std::string& text);

// The user's notice for a meld that cannot be made: PlayerName & text, one button, icon 1.
void MeldNotice(Game& g, const std::string& title, const std::string& button, const std::string& text);

// Ends the user's meld turn after a made meld: the panel goes and the engine's meld wait may end.
void EndPlayerMeldTurn(Game& g);

// Lays out the melding side's hand again: the user's in its current order, the computer's face down.
void ReLayHand(Game& g, int32_t Who);

inline constexpr const char* NoticeOhDear = "Oh Dear";
inline constexpr const char* NoticeRight = "Right";
