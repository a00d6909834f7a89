#pragma once
// Reading back the settings file and its copy as a test sees them.
#include <optional>
#include <string>

#include "engine/settings/SettingsLine.h"
#include "engine/state/Game.h"

std::optional<std::string> ReadWholeFile(const std::string& path);

SettingsRecord RecordOf(const Game& g);

// Empty when the bytes are one whole settings line: six fields, CR LF at the end and nowhere
// else, and the very bytes the writer makes of what they say (then in `read`); else what is wrong.
std::string WholeLineFault(const std::string& bytes, SettingsRecord& read);
