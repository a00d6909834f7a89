#pragma once
// Every visible step of the game is paced. A pause sleeps in the platform's event loop until its
// deadline, handling window events meanwhile; PauseStart and PauseLength are shared and read
// afresh each time round, so a handler's own pause inside an outer pause also moves the outer
// pause's end.
#include "engine/state/Game.h"

void Pause(Game& g);
void PauseWithCardSound(Game& g);

// Handles window events until the flag is False. With atLeastOnce the pending events are handled
// once even when the flag is already False.
void WaitWhile(Game& g, const bool& flag, bool atLeastOnce = false);

// Starts a sound file from the program's folder without waiting for it.
void PlaySoundFile(Game& g, const std::string& fileName);
