#pragma once
// The score board's labels and totals.
#include <string>

#include "engine/state/Game.h"

// a + b held at the 16-bit limits: a game that the user keeps alive by lowering the target
// again and again must not see its totals or its target wrap round to negative numbers.
int16_t AddPoints(int16_t a, int16_t b);

// A value of the score board and the label that shows it.
struct ScoreFigure {
    int16_t& Value;
    LabelModel& Label;

    void Set(int16_t value) const
    {
        Value = value;
        Label.Caption = std::to_string(value);
    }
    void Add(int16_t points) const { Set(AddPoints(Value, points)); }
};

// One side's half of the score board: its name and its figures.
struct SideScores {
    const std::string& Name;
    ScoreFigure LastTrick, TotTricks, LastMeld, TotalMelds, TotalScore;
};

// The user's half for SidePlayer, the computer's for any other side.
SideScores ScoresOf(Game& g, int32_t Who);

// Move a side's pending points into its totals and labels: trick points reach only the hand's
// trick total, meld points the game total at once.
void AddTrickScore(Game& g, int32_t Who);
void AddMeldScore(Game& g, int32_t Who);
