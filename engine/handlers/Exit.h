#pragma once
// Leaving the program: the Exit command and the window's close box.
#include "engine/state/Game.h"

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
