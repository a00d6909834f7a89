#pragma once
// The meld panel, the marriage suit panel and the melds reminder.
#include <cstdint>

#include "engine/state/Game.h"

void CmdDBezique_Click(Game& g);
void CmdBezique_Click(Game& g);
void CmdSequence_Click(Game& g);
void cmdDec7Trumps_Click(Game& g);
void CmdFours_Click(Game& g, int16_t Index);
void CmdMakeMarriage_Click(Game& g, int16_t Index);
void CmdMarriage_Click(Game& g, int16_t Index);
void CmdCancel_Click(Game& g);
void MnuReminder_Click(Game& g);
void Command1_Click(Game& g);
