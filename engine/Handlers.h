#pragma once
// The table window's events, as the engine handles them. The Qt window calls each one through
// RunHandler (Flow.h) so that an abandoned flow stops at the handler's boundary.
#include <cstdint>

#include "engine/Game.h"

// Start-up and exit.
void Form_Load(Game& g);
// Close reason 0: the user's close box, window menu or close key; any other: the platform's.
// Returns true to keep the window open. For reason 0 it always does: "Carry On" or a declined
// Exit question keep the game as it was, and an exit that goes ahead has asked the flow runner
// to end the program (Platform::EndProgram unloads the windows), so the window must not close
// under the waits still on the stack. Any other reason asks nothing, saves nothing, asks the
// flow runner to end the program and returns false. The Qt window calls it from closeEvent
// through RunHandler, treating an unwound handler as true, and ignores the close event when it
// returns true.
bool Form_QueryUnload(Game& g, int closeReason);
void MnuExit_Click(Game& g);

// The user's card click, and the rule questions it asks.
void PicCard_Click(Game& g, int16_t Index);
bool HasSuitPlayer(const Game& g, int32_t WhichSuit);
bool HasTrumps(const Game& g, int32_t WhichSuit);

// The meld panel, the marriage suit panel, the reminder, knock and sort.
void CmdDBezique_Click(Game& g);
void CmdBezique_Click(Game& g);
void CmdSequence_Click(Game& g);
void cmdDec7Trumps_Click(Game& g);
void CmdFours_Click(Game& g, int16_t Index);
void CmdMakeMarriage_Click(Game& g, int16_t Index);
void CmdMarriage_Click(Game& g, int16_t Index);
void CmdCancel_Click(Game& g);
void CmdSort_Click(Game& g);
void LblKnock_Click(Game& g);
void MnuReminder_Click(Game& g);
void Command1_Click(Game& g);

// Menus. Rules and About only show windows and live in the Qt window.
void MnuNew_Click(Game& g);
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
