#include "engine/settings/Settings.h"

#include "engine/flow/PlainBoxes.h"
#include "engine/settings/FileStore.h"
#include "engine/settings/SettingsLine.h"

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
std::error_code WriteSettingsLine(Game& g, const std::string& path)
{
    return ReplaceFile(path, FormatSettingsLine(RecordOf(g)));
}

}  // namespace

void SaveSettings(Game& g)
{
    const std::string path = FileInAppFolder(g, "Data.dat");
    const std::error_code failure = WriteSettingsLine(g, path);
    // Said once a run: the user learns that changes may not last, and is not asked to click
    // the same news away at every later save.
    if (!failure || g.SaveFailureTold)
        return;
    g.SaveFailureTold = true;
    MsgBox(g, "Your settings and statistics could not be saved in " + path + ": " + failure.message() +
              ". The game goes on, but changes may be lost when you leave.");
}

// Written as the program ends: a failure then is not worth holding up the exit for.
void WriteAllDat(Game& g) { (void)WriteSettingsLine(g, FileInAppFolder(g, "All.dat")); }

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
