#pragma once
// The menu commands that change the target, the pace and the names, and that show or erase the
// statistics. Rules and About only show windows and live in the Qt window.
#include "engine/state/Game.h"

void Menu1000_Click(Game& g);
void MenuMedium_Click(Game& g);
void MnuHalf_Click(Game& g);
void MnuQuick_Click(Game& g);
void MnuFast_Click(Game& g);
void MnuMedium_Click(Game& g);
void MnuSlow_Click(Game& g);
void MnuYours_Click(Game& g);
void MnuTheirName_Click(Game& g);
void MnuuView_Click(Game& g);
void MnuDelete_Click(Game& g);
