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

// The line as bytes. The names go out in cp1252; a double quote, which the format cannot hold,
// goes out as an apostrophe so that the line stays readable.
std::string FormatSettingsLine(const SettingsRecord& record);

// Reads the fields in order, as comma-separated input: blanks before a field are skipped, a
// field ends at a comma or a line end, a text in double quotes runs to the next double quote.
// Stops at the first field that is missing or cannot be read as its type; that field and every
// one after it keep the record's values. Returns how many fields were read.
int ParseSettingsLine(std::string_view bytes, SettingsRecord& record);
