#pragma once
// The plain message box, the Yes/No question and the input box, as the engine opens them. Each
// is a modal wait and counts as one while it is open (Flow.h).
#include <string>

#include "engine/state/Game.h"

// Prompt, OK only, no icon, the application's title as caption.
void MsgBox(Game& g, const std::string& prompt);
// The question-mark icon; true for Yes.
bool MsgBoxYesNo(Game& g, const std::string& prompt, const std::string& title);
// An empty text field; Cancel gives an empty text.
std::string InputBox(Game& g, const std::string& prompt, const std::string& title);
