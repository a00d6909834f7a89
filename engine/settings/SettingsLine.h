#pragma once
// The one line of the settings file and of its copy: games won by the user and by the computer,
// the speed, the two names between double quotes, the target; commas between, CR LF after.
#include <cstdint>
#include <string>
#include <string_view>

struct SettingsRecord {
    int32_t GamesWonPlayer = 0;
    int32_t GamesWonComputer = 0;
    int16_t Speed = 0;
    std::string PlayerName;  // UTF-8
    std::string BotName;     // UTF-8
    int16_t TargetScore = 0;
};

inline constexpr int SettingsFieldCount = 6;

// A name as the line can hold it: a double quote would end the name early and a line break
// would split the line, so a double quote becomes an apostrophe and each CR or LF a blank.
// Used wherever a name is taken in and on every write, so the file stays one line whatever the
// names hold.
std::string StorableName(std::string name);

// The line as bytes. The names go out as StorableName makes them, in cp1252.
std::string FormatSettingsLine(const SettingsRecord& record);

// Reads the fields in order, as comma-separated input: blanks before a field are skipped, a
// field ends at a comma or a line end, a text in double quotes runs to the next double quote.
// Stops at the first field that is missing or cannot be read as its type; that field and every
// one after it keep the record's values. Returns how many fields were read.
int ParseSettingsLine(std::string_view bytes, SettingsRecord& record);
