#pragma once
// Who wins a trick, what it is worth, and the score board's labels and totals.
#include "engine/Game.h"

// a + b held at the 16-bit limits: a game that the user keeps alive by lowering the target
// again and again must not see its totals or its target wrap round to negative numbers.
int16_t AddPoints(int16_t a, int16_t b);

int16_t TrickPoints(const Game& g);
int32_t TrickWinner(const Game& g);

// One side's half of the score board: its name, its values and the labels that show them.
struct SideScores {
    const std::string& Name;
    int16_t& LastTrick;
    LabelModel& LblLastTrick;
    int16_t& TotTricks;
    LabelModel& LblTotTricks;
    int16_t& LastMeld;
    LabelModel& LblLastMeld;
    int16_t& TotalMelds;
    LabelModel& LblTotalMelds;
    int16_t& TotalScore;
    LabelModel& LblTotalScore;
};

// The user's half for SidePlayer, the computer's for any other side.
SideScores ScoresOf(Game& g, int32_t Who);

// Move a side's pending points into its totals and labels: trick points reach only the hand's
// trick total, meld points the game total at once.
void AddTrickScore(Game& g, int32_t Who);
void AddMeldScore(Game& g, int32_t Who);
