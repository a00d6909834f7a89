// The menu commands that change the target, the pace and the names, and that show or erase the
// statistics. They keep no state of their own and run whenever they are chosen, also inside a
// wait of the running game, which then simply sees the new values at its next read.
#include "engine/handlers/Menus.h"

#include <string>

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/PlainBoxes.h"
#include "engine/settings/Settings.h"
#include "engine/settings/SettingsLine.h"

namespace {

constexpr int16_t TargetNormal = DefaultTarget;
constexpr int16_t TargetMedium = 750;
constexpr int16_t TargetHalf = 500;
constexpr int16_t TargetQuick = 300;

constexpr int16_t SpeedFast = 25;
constexpr int16_t SpeedMedium = DefaultSpeed;
constexpr int16_t SpeedSlow = 250;

// The notice comes before the save: the user sees at once what was chosen.
void ChangeTarget(Game& g, int16_t target)
{
    const std::string value = std::to_string(target);
    g.TargetScore = target;
    g.Table.Caption = "Target Score " + value;
    MsgBox(g, " You have changed target score to " + value + ". You can come back and change at any time");
    SaveSettings(g);
}

// The running pause keeps its length: the new pace counts from the next time the engine sets
// PauseLength back to Speed.
void ChangeSpeed(Game& g, int16_t speed, const char* notice)
{
    g.Speed = speed;
    SaveSettings(g);
    MsgBox(g, notice);
}

struct NameCommand {
    const char* Question;
    const char* Prompt;
    const char* Title;
    std::string Game::*Name;
    LabelModel TableModel::*Label1;
    LabelModel TableModel::*Label2;
};

constexpr NameCommand PlayerNameCommand{
    "If you wish to enter or change the player's name click Yes", "Please enter player's name.",
    "Player's Name", &Game::PlayerName, &TableModel::LblPlayer, &TableModel::LblPname};

constexpr NameCommand BotNameCommand{
    "If you wish to enter or change your opponents's name click Yes",
    "Please enter opponent's name.", "Opponents's Name", &Game::BotName, &TableModel::LblBName,
    &TableModel::LblBotsName};

void ChangeName(Game& g, const NameCommand& command)
{
    if (!MsgBoxYesNo(g, command.Question, "New Name"))
        return;
    // Whatever comes back is the name, an empty one (Cancel) included.
    const std::string name = StorableName(InputBox(g, command.Prompt, command.Title));
    g.*command.Name = name;
    (g.Table.*command.Label1).Caption = name;
    (g.Table.*command.Label2).Caption = name;
    SaveSettings(g);
}

}  // namespace

void Menu1000_Click(Game& g) { ChangeTarget(g, TargetNormal); }
void MenuMedium_Click(Game& g) { ChangeTarget(g, TargetMedium); }
void MnuHalf_Click(Game& g) { ChangeTarget(g, TargetHalf); }
void MnuQuick_Click(Game& g) { ChangeTarget(g, TargetQuick); }

void MnuFast_Click(Game& g)
{
    ChangeSpeed(g, SpeedFast,
                " The cards should now play faster, but it will depend on the speed of your "
                "computer to a degree.");
}

void MnuMedium_Click(Game& g)
{
    ChangeSpeed(g, SpeedMedium,
                " The cards should now play at a medium speed, but it will depend on the speed of "
                "your computer to a degree.");
}

void MnuSlow_Click(Game& g)
{
    ChangeSpeed(g, SpeedSlow,
                " The cards should now play slowly, but it will depend on the speed of your "
                "computer to a degree.");
}

void MnuYours_Click(Game& g) { ChangeName(g, PlayerNameCommand); }
void MnuTheirName_Click(Game& g) { ChangeName(g, BotNameCommand); }

void MnuuView_Click(Game& g)
{
    // Summed wide: the two counts together may pass what a 16- or 32-bit total can hold.
    const int64_t total = int64_t{g.GamesWon[SidePlayer]} + int64_t{g.GamesWon[SideComputer]};
    DeluxeMsgBox(g,
                 g.PlayerName + " you have played a total of " + std::to_string(total) +
                     " games, and won " + std::to_string(g.GamesWon[SidePlayer]) + " against " +
                     g.BotName + " winning " + std::to_string(g.GamesWon[SideComputer]) + " games",
                 "Right", "", "", IconInfo, "Current Statistics");
    SaveSettings(g);
}

void MnuDelete_Click(Game& g)
{
    // A dialog that went away without a click keeps the last answer; should that have been the
    // first button of some earlier question, it must not count as consent to erase.
    g.DialogButton = AnswerButton2;
    DeluxeMsgBox(g,
                 g.PlayerName + " This will erase all statistice of games won and lost. Erase them?",
                 "Yes ", "No", "", IconQuestion, "Really Erase?");
    if (g.DialogButton != AnswerButton1)
        return;
    g.GamesWon[SidePlayer] = 0;
    g.GamesWon[SideComputer] = 0;
    SaveSettings(g);
}
