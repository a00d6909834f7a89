// The menu commands: what each one changes, what it shows, and when it saves.
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <map>

#include "engine/flow/Pacing.h"
#include "engine/handlers/Menus.h"
#include "engine/settings/Settings.h"
#include "engine/state/CardTable.h"
#include "tests/support/VirtualPlatform.h"

namespace {

using Handler = void (*)(Game&);

Handler Command(const QString& name)
{
    static const std::map<QString, Handler> commands{
        {"Menu1000", Menu1000_Click},   {"MenuMedium", MenuMedium_Click},
        {"MnuHalf", MnuHalf_Click},     {"MnuQuick", MnuQuick_Click},
        {"MnuFast", MnuFast_Click},     {"MnuMedium", MnuMedium_Click},
        {"MnuSlow", MnuSlow_Click},     {"MnuYours", MnuYours_Click},
        {"MnuTheirName", MnuTheirName_Click}, {"MnuuView", MnuuView_Click},
        {"MnuDelete", MnuDelete_Click},
    };
    return commands.at(name);
}

// Notes at every notice and every dialog whether the settings file exists at that moment.
class ObservingPlatform : public VirtualPlatform {
public:
    std::vector<bool> SavedAtNotice;
    bool Saved() const { return std::filesystem::exists(Folder + "/Data.dat"); }
    void MsgBox(const std::string& prompt) override
    {
        SavedAtNotice.push_back(Saved());
        VirtualPlatform::MsgBox(prompt);
    }
    int16_t ShowMessageDialog(const MessageDialogRequest& request) override
    {
        SavedAtNotice.push_back(Saved());
        return VirtualPlatform::ShowMessageDialog(request);
    }
};

// A table whose settings go to a folder of its own, empty at the start.
struct MenuTable {
    MenuTable() : g(op)
    {
        SetUpCards(g);
        op.G = &g;
        op.Folder = dir.path().toStdString();
        g.Speed = 100;
        g.PauseLength = 100;
        g.TargetScore = 1000;
        g.PlayerName = "Ann";
        g.BotName = "HAL";
        g.Table.Caption = " Target Score 1000";
    }
    QTemporaryDir dir;
    ObservingPlatform op;
    Game g;
};

// The settings writer lands separately; until it does, saving cannot be observed.
bool SettingsWriterPresent()
{
    MenuTable t;
    SaveSettings(t.g);
    return t.op.Saved();
}

const char* TargetText(int target)
{
    switch (target) {
    case 1000: return " You have changed target score to 1000. You can come back and change at any time";
    case 750: return " You have changed target score to 750. You can come back and change at any time";
    case 500: return " You have changed target score to 500. You can come back and change at any time";
    default: return " You have changed target score to 300. You can come back and change at any time";
    }
}

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void targetCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("inGame");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1000") << "Menu1000" << false << 1000 << "Target Score 1000";
        QTest::newRow("750") << "MenuMedium" << false << 750 << "Target Score 750";
        QTest::newRow("500") << "MnuHalf" << false << 500 << "Target Score 500";
        QTest::newRow("300") << "MnuQuick" << false << 300 << "Target Score 300";
        QTest::newRow("300 during a game") << "MnuQuick" << true << 300 << "Target Score 300";
    }
    void targetCommand()
    {
        QFETCH(QString, command);
        QFETCH(bool, inGame);
        QFETCH(int, target);
        QFETCH(QString, caption);
        MenuTable t;
        t.g.GameInProgress = inGame;
        t.g.TotalScoreP = 280;
        Command(command)(t.g);
        QCOMPARE(t.g.TargetScore, int16_t(target));
        QCOMPARE(QString::fromStdString(t.g.Table.Caption), caption);
        QCOMPARE(t.op.MsgBoxes, std::vector<std::string>{TargetText(target)});
        QVERIFY(t.op.Dialogs.empty());
        QCOMPARE(t.g.GameInProgress, inGame);
        QCOMPARE(t.g.TotalScoreP, int16_t(280));
        QCOMPARE(t.g.Speed, int16_t(100));
    }

    void speedCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("text");
        QTest::newRow("fast") << "MnuFast" << 25
            << " The cards should now play faster, but it will depend on the speed of your computer to a degree.";
        QTest::newRow("medium") << "MnuMedium" << 100
            << " The cards should now play at a medium speed, but it will depend on the speed of your computer to a degree.";
        QTest::newRow("slow") << "MnuSlow" << 250
            << " The cards should now play slowly, but it will depend on the speed of your computer to a degree.";
    }
    void speedCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, speed);
        QFETCH(QString, text);
        MenuTable t;
        t.g.Speed = 999;
        t.g.PauseLength = 777;
        Command(command)(t.g);
        QCOMPARE(t.g.Speed, int16_t(speed));
        QCOMPARE(t.g.PauseLength, int16_t(777));  // the running pace is left alone
        QCOMPARE(t.op.MsgBoxes, std::vector<std::string>{text.toStdString()});
        QCOMPARE(t.g.TargetScore, int16_t(1000));
        QCOMPARE(QString::fromStdString(t.g.Table.Caption), QString(" Target Score 1000"));
    }

    void nameCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("typed");  // "<cancel>": the input box's Cancel
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        const QString qp = "If you wish to enter or change the player's name click Yes";
        const QString qb = "If you wish to enter or change your opponents's name click Yes";
        QTest::newRow("player yes") << "MnuYours" << true << "Zoe" << "Zoe" << qp
                                    << "Please enter player's name." << "Player's Name";
        QTest::newRow("player cancel") << "MnuYours" << true << "<cancel>" << "" << qp
                                       << "Please enter player's name." << "Player's Name";
        QTest::newRow("player no") << "MnuYours" << false << "" << "Ann" << qp << "" << "";
        QTest::newRow("player with quotes") << "MnuYours" << true << "The \"Ace\"" << "The 'Ace'"
                                            << qp << "Please enter player's name." << "Player's Name";
        QTest::newRow("player with line break") << "MnuYours" << true << "A\r\nB" << "A  B" << qp
                                                << "Please enter player's name." << "Player's Name";
        QTest::newRow("opponent yes") << "MnuTheirName" << true << "Robo" << "Robo" << qb
                                      << "Please enter opponent's name." << "Opponents's Name";
        QTest::newRow("opponent cancel") << "MnuTheirName" << true << "<cancel>" << "" << qb
                                         << "Please enter opponent's name." << "Opponents's Name";
        QTest::newRow("opponent no") << "MnuTheirName" << false << "" << "HAL" << qb << "" << "";
    }
    void nameCommand()
    {
        QFETCH(QString, command);
        QFETCH(bool, yes);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, question);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        MenuTable t;
        t.g.Table.LblPlayer.Caption = t.g.Table.LblPname.Caption = "Ann";
        t.g.Table.LblBName.Caption = t.g.Table.LblBotsName.Caption = "HAL";
        t.op.YesNoAnswers = {yes};
        if (typed != "<cancel>")
            t.op.InputAnswers = {typed.toStdString()};
        Command(command)(t.g);

        QCOMPARE(t.op.YesNoQuestions, (std::vector<std::string>{question.toStdString(), "New Name"}));
        std::vector<std::string> asked;
        if (yes)
            asked = {prompt.toStdString(), title.toStdString()};
        QCOMPARE(t.op.InputPrompts, asked);

        const bool player = command == "MnuYours";
        const std::string other = player ? "HAL" : "Ann";
        const std::string& mine = player ? t.g.PlayerName : t.g.BotName;
        QCOMPARE(QString::fromStdString(mine), name);
        QCOMPARE(player ? t.g.BotName : t.g.PlayerName, other);
        const TableModel& m = t.g.Table;
        QCOMPARE(QString::fromStdString(player ? m.LblPlayer.Caption : m.LblBName.Caption), name);
        QCOMPARE(QString::fromStdString(player ? m.LblPname.Caption : m.LblBotsName.Caption), name);
        QCOMPARE(player ? m.LblBName.Caption : m.LblPlayer.Caption, other);
        QCOMPARE(player ? m.LblBotsName.Caption : m.LblPname.Caption, other);
        QVERIFY(t.op.MsgBoxes.empty());
    }

    void statisticsView_data()
    {
        QTest::addColumn<int>("won");
        QTest::addColumn<int>("lost");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("3 and 5")
            << 3 << 5 << "Ann you have played a total of 8 games, and won 3 against HAL winning 5 games";
        QTest::newRow("none") << 0 << 0
            << "Ann you have played a total of 0 games, and won 0 against HAL winning 0 games";
        QTest::newRow("past 32767")
            << 30000 << 5000
            << "Ann you have played a total of 35000 games, and won 30000 against HAL winning 5000 games";
        QTest::newRow("past 32-bit")
            << 2000000000 << 2000000000
            << "Ann you have played a total of 4000000000 games, and won 2000000000 against HAL winning "
               "2000000000 games";
    }
    void statisticsView()
    {
        QFETCH(int, won);
        QFETCH(int, lost);
        QFETCH(QString, prompt);
        MenuTable t;
        t.g.GamesWon[SidePlayer] = won;
        t.g.GamesWon[SideComputer] = lost;
        MnuuView_Click(t.g);
        QCOMPARE(t.op.Dialogs.size(), size_t(1));
        const MessageDialogRequest& d = t.op.Dialogs[0];
        QCOMPARE(QString::fromStdString(d.Prompt), prompt);
        QCOMPARE(d.Button1, std::string("Right"));
        QCOMPARE(d.Button2, std::string());
        QCOMPARE(d.Button3, std::string());
        QCOMPARE(d.Icon, IconInfo);
        QCOMPARE(d.Title, std::string("Current Statistics"));
        QCOMPARE(t.g.GamesWon[SidePlayer], won);
        QCOMPARE(t.g.GamesWon[SideComputer], lost);
    }

    void statisticsErase_data()
    {
        QTest::addColumn<int>("answer");  // what the dialog returns; -1 gone without a click
        QTest::addColumn<int>("previous"); // DialogButton left by an earlier question
        QTest::addColumn<bool>("erased");
        QTest::newRow("yes") << 0 << 1 << true;
        QTest::newRow("no") << 1 << 0 << false;
        QTest::newRow("gone after a yes elsewhere") << -1 << 0 << false;
    }
    void statisticsErase()
    {
        QFETCH(int, answer);
        QFETCH(int, previous);
        QFETCH(bool, erased);
        MenuTable t;
        t.g.GamesWon[SidePlayer] = 7;
        t.g.GamesWon[SideComputer] = 9;
        t.g.DialogButton = int16_t(previous);
        t.op.DialogAnswers = {int16_t(answer)};
        MnuDelete_Click(t.g);
        QCOMPARE(t.op.Dialogs.size(), size_t(1));
        const MessageDialogRequest& d = t.op.Dialogs[0];
        QCOMPARE(d.Prompt, std::string("Ann This will erase all statistice of games won and lost. Erase them?"));
        QCOMPARE(d.Button1, std::string("Yes "));
        QCOMPARE(d.Button2, std::string("No"));
        QCOMPARE(d.Button3, std::string());
        QCOMPARE(d.Icon, IconQuestion);
        QCOMPARE(d.Title, std::string("Really Erase?"));
        QCOMPARE(t.g.GamesWon[SidePlayer], erased ? 0 : 7);
        QCOMPARE(t.g.GamesWon[SideComputer], erased ? 0 : 9);
        if (!erased)
            QVERIFY(!t.op.Saved());
    }

    // Which commands write the settings, and whether the user's notice comes before or after.
    void savesAtTheRightMoment_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");  // Yes/No question (1 yes) or dialog answer
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("savedAtNotice");  // -1 no notice, 0 not yet, 1 already
        QTest::newRow("target: notice, then save") << "MnuQuick" << 0 << true << 0;
        QTest::newRow("750: notice, then save") << "MenuMedium" << 0 << true << 0;
        QTest::newRow("speed: save, then notice") << "MnuFast" << 0 << true << 1;
        QTest::newRow("slow: save, then notice") << "MnuSlow" << 0 << true << 1;
        QTest::newRow("view: shown, then saved") << "MnuuView" << 0 << true << 0;
        QTest::newRow("erase yes") << "MnuDelete" << 0 << true << 0;
        QTest::newRow("erase no") << "MnuDelete" << 1 << false << 0;
        QTest::newRow("name yes") << "MnuYours" << 1 << true << -1;
        QTest::newRow("name no") << "MnuYours" << 0 << false << -1;
        QTest::newRow("opponent yes") << "MnuTheirName" << 1 << true << -1;
        QTest::newRow("opponent no") << "MnuTheirName" << 0 << false << -1;
    }
    void savesAtTheRightMoment()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(int, savedAtNotice);
        if (saved && !SettingsWriterPresent())
            QSKIP("the settings writer is not built yet");
        MenuTable t;
        t.op.YesNoAnswers = {answer == 1};
        t.op.InputAnswers = {"Kim"};
        t.op.DialogAnswers = {int16_t(answer)};
        Command(command)(t.g);
        QCOMPARE(t.op.Saved(), saved);
        if (savedAtNotice < 0)
            QVERIFY(t.op.SavedAtNotice.empty());
        else
            QCOMPARE(t.op.SavedAtNotice, std::vector<bool>{savedAtNotice == 1});
    }

    // A command chosen inside a pause of the running game changes its values and returns; the
    // pause ends when it would have ended.
    void commandInsideAPause_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("quick target") << "MnuQuick";
        QTest::newRow("slow") << "MnuSlow";
        QTest::newRow("name") << "MnuYours";
        QTest::newRow("view") << "MnuuView";
        QTest::newRow("erase") << "MnuDelete";
    }
    void commandInsideAPause()
    {
        QFETCH(QString, command);
        MenuTable t;
        t.g.GameInProgress = true;
        t.g.GamesWon = {0, 4, 6};
        t.op.YesNoAnswers = {true};
        t.op.InputAnswers = {"Kim"};
        const uint64_t start = t.op.Clock;
        bool ran = false;
        const Handler handler = Command(command);
        t.op.At(start + 10, [&] { handler(t.g); ran = true; });
        t.g.PauseLength = 100;
        Pause(t.g);
        QVERIFY(ran);
        QCOMPARE(t.op.Clock - start, uint64_t(100));
        QCOMPARE(t.g.PauseLength, int16_t(100));
        QVERIFY(t.g.GameInProgress);
        if (command == "MnuQuick") {
            QCOMPARE(t.g.TargetScore, int16_t(300));
            QCOMPARE(t.g.Table.Caption, std::string("Target Score 300"));
        } else if (command == "MnuSlow") {
            QCOMPARE(t.g.Speed, int16_t(250));
        } else if (command == "MnuYours") {
            QCOMPARE(t.g.PlayerName, std::string("Kim"));
        } else if (command == "MnuuView") {
            QCOMPARE(t.op.Dialogs.size(), size_t(1));
        } else {
            QCOMPARE(t.g.GamesWon[SidePlayer] + t.g.GamesWon[SideComputer], 0);
        }
    }
};

QTEST_APPLESS_MAIN(MenusTest)
#include "test_menus.moc"
