// Placeholders until the menus are built.
#include "engine/Handlers.h"

void Menu1000_Click(Game&) {}
void MenuMedium_Click(Game&) {}
void MnuHalf_Click(Game&) {}
void MnuQuick_Click(Game&) {}
void MnuFast_Click(Game&) {}
void MnuMedium_Click(Game&) {}
void MnuSlow_Click(Game&) {}
void MnuYours_Click(Game&) {}
void MnuTheirName_Click(Game&) {}
void MnuuView_Click(Game&) {}
void MnuDelete_Click(Game&) {}
