#include "tests/support/SettingsFiles.h"

#include <fstream>
#include <sstream>

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

SettingsRecord RecordOf(const Game& g)
{
    return {g.GamesWon[SidePlayer], g.GamesWon[SideComputer], g.Speed, g.PlayerName, g.BotName, g.TargetScore};
}

std::string WholeLineFault(const std::string& bytes, SettingsRecord& read)
{
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0 ||
        bytes.find_first_of("\r\n") != bytes.size() - 2)
        return "not one line ending in CR LF: [" + bytes + "]";
    if (ParseSettingsLine(bytes, read) != SettingsFieldCount)
        return "fewer than six fields: [" + bytes + "]";
    if (FormatSettingsLine(read) != bytes)
        return "not as the writer writes it: [" + bytes + "]";
    return {};
}
