#pragma once
// The game's own message dialog: every question and notice goes through it. The answer is left
// in DialogButton (0, 1 or 2 for the first, second or third button).
#include <string>

#include "engine/state/Game.h"

void DeluxeMsgBox(Game& g, const std::string& prompt, const std::string& button1,
                  const std::string& button2, const std::string& button3, int16_t icon,
                  const std::string& title);
