#include "engine/Settings.h"

#include "engine/FileStore.h"
#include "engine/SettingsLine.h"

namespace {

// More than any line the game writes; a damaged or foreign file is never read further.
constexpr size_t SettingsReadLimit = 64 * 1024;

SettingsRecord RecordOf(const Game& g)
{
    return {g.GamesWon[SidePlayer], g.GamesWon[SideComputer], g.Speed,
            g.PlayerName,           g.BotName,                g.TargetScore};
}

std::string FileInAppFolder(Game& g, const char* name) { return g.Plat.AppPath() + "/" + name; }

// A file that cannot be written costs only that write: the game goes on, and the old file
// stands whole.
void WriteSettingsLine(Game& g, const char* name)
{
    (void)ReplaceFile(FileInAppFolder(g, name), FormatSettingsLine(RecordOf(g)));
}

}  // namespace

void SaveSettings(Game& g) { WriteSettingsLine(g, "Data.dat"); }

void WriteAllDat(Game& g) { WriteSettingsLine(g, "All.dat"); }

void ReadSettings(Game& g)
{
    // Saves of copies killed mid-write leave their temporary files; start-up clears them away.
    for (const char* name : {"Data.dat", "All.dat"})
        RemoveDeadSaves(FileInAppFolder(g, name));
    const auto bytes = ReadFileStart(FileInAppFolder(g, "Data.dat"), SettingsReadLimit);
    if (!bytes)
        return;
    SettingsRecord r = RecordOf(g);
    ParseSettingsLine(*bytes, r);
    g.GamesWon[SidePlayer] = r.GamesWonPlayer;
    g.GamesWon[SideComputer] = r.GamesWonComputer;
    g.Speed = r.Speed;
    g.PlayerName = r.PlayerName;
    g.BotName = r.BotName;
    g.TargetScore = r.TargetScore;
}
