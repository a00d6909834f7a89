#pragma once
// The settings and statistics line: games won by each side, speed, both names, target.
#include "engine/state/Game.h"

// Rewrites the program's folder & "/Data.dat" from the current values.
void SaveSettings(Game& g);

// Start-up's read of "Data.dat" into GamesWon(1), GamesWon(2), Speed, PlayerName, BotName and
// TargetScore, field by field; a field that cannot be read keeps the value it had. First clears
// away what saves of copies that died left behind.
void ReadSettings(Game& g);

// The statistics copy "All.dat" written by the exit.
void WriteAllDat(Game& g);
