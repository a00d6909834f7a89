// The target check: the knock offered and made while the stock lasts, the target's rise at the
// end of a hand, and the end of a game with its question.
#include <QtTest>

#include "engine/flow/Flow.h"
#include "engine/hand/GameEnd.h"
#include "tests/support/TestTable.h"

namespace {

void SetUp(TestTable& t, int phase, int p, int c, int target)
{
    Game& g = t.g;
    g.PlayerName = "Ann";
    g.BotName = "Merriel";
    g.GameInProgress = true;
    g.InRound1 = phase == 1;
    g.InRound2 = phase == 2;
    g.TotalScoreP = static_cast<int16_t>(p);
    g.TotalScoreC = static_cast<int16_t>(c);
    g.TargetScore = static_cast<int16_t>(target);
    g.PauseLength = g.Speed;
    g.GamesWon = {0, 3, 5};
}

// Runs the check as a handler would; a game's end replaces the flow and unwinds to here.
void Check(TestTable& t)
{
    RunHandler([&] { CheckForWinner(t.g); });
}

const char* Winner(const Game& g)
{
    if (g.GamesWon[SidePlayer] == 4)
        return "user";
    if (g.GamesWon[SideComputer] == 6)
        return "computer";
    return "";
}

}  // namespace

class GameEndTest : public QObject {
    Q_OBJECT
private slots:
    void firstPhase_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("c");
        QTest::addColumn<bool>("knocked");
        QTest::addColumn<bool>("label");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<bool>("knockSound");
        QTest::newRow("user exactly on target: knock offered") << 1000 << 400 << false << true << "" << 100 << false;
        QTest::newRow("user knocks while alone over") << 1040 << 990 << true << false << "user" << 100 << false;
        QTest::newRow("computer over: it knocks at once") << 990 << 1000 << false << false << "computer" << 400
                                                          << true;
        QTest::newRow("both over: nobody knocks") << 1200 << 1100 << false << false << "" << 0 << false;
        QTest::newRow("both over, user knocked: label hidden only") << 1200 << 1100 << true << false << "" << 0
                                                                    << false;
        QTest::newRow("both under") << 990 << 990 << false << false << "" << 0 << false;
    }
    void firstPhase()
    {
        QFETCH(int, p);
        QFETCH(int, c);
        QFETCH(bool, knocked);
        QFETCH(bool, label);
        QFETCH(QString, winner);
        QFETCH(int, elapsed);
        QFETCH(bool, knockSound);
        TestTable t;
        SetUp(t, 1, p, c, 1000);
        t.g.PlayerKnocked = knocked;
        t.g.Table.LblKnock.Visible = knocked;
        const uint64_t t0 = t.Now();
        Check(t);
        QCOMPARE(int(t.Now() - t0), elapsed);
        QCOMPARE(t.g.Table.LblKnock.Visible, label);
        QCOMPARE(QString(Winner(t.g)), winner);
        QCOMPARE(int(t.g.TargetScore), 1000);
        const bool knockPlayed = std::count(t.plat.Sounds.begin(), t.plat.Sounds.end(), "knock.wav") == 1;
        QCOMPARE(knockPlayed, knockSound);
        // The only dialog is the end-of-game question, and only when the game ends.
        QCOMPARE(t.plat.Dialogs.size(), size_t(winner.isEmpty() ? 0 : 1));
        if (!winner.isEmpty())
            QCOMPARE(t.plat.Dialogs[0].Title, std::string("Play again?"));
        QCOMPARE(int(t.g.PauseLength), int(t.g.Speed));
    }

    void endOfHand_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("newTarget");
        QTest::addColumn<QString>("winner");
        QTest::newRow("both over: target rises, game on") << 1100 << 1050 << 1000 << 1250 << "";
        QTest::newRow("both over: raised, then the user wins") << 1300 << 1100 << 1000 << 1250 << "user";
        QTest::newRow("both over: raised, then the computer wins") << 1100 << 1250 << 1000 << 1250 << "computer";
        QTest::newRow("far over: one rise only") << 1600 << 1500 << 1000 << 1250 << "";
        QTest::newRow("only the computer over") << 700 << 1010 << 1000 << 1000 << "computer";
        QTest::newRow("only the user over") << 1010 << 700 << 1000 << 1000 << "user";
        QTest::newRow("a quick game's target") << 310 << 200 << 300 << 300 << "user";
        QTest::newRow("both under") << 999 << 999 << 1000 << 1000 << "";
        QTest::newRow("both at the limit: the target stops there") << 32767 << 32767 << 32700 << 32767 << "";
    }
    void endOfHand()
    {
        QFETCH(int, p);
        QFETCH(int, c);
        QFETCH(int, target);
        QFETCH(int, newTarget);
        QFETCH(QString, winner);
        TestTable t;
        SetUp(t, 2, p, c, target);
        t.g.Table.Caption = "Target Score " + std::to_string(target);
        const uint64_t t0 = t.Now();
        Check(t);
        QCOMPARE(t.Now(), t0);
        QCOMPARE(int(t.g.TargetScore), newTarget);
        QCOMPARE(QString(Winner(t.g)), winner);
        QVERIFY(t.plat.Sounds.end() == std::find(t.plat.Sounds.begin(), t.plat.Sounds.end(), "knock.wav"));
        size_t dialog = 0;
        if (newTarget != target) {
            QCOMPARE(t.g.Table.Caption, "Target Score:- " + std::to_string(newTarget));
            const MessageDialogRequest& n = t.plat.Dialogs.at(dialog++);
            QCOMPARE(n.Prompt,
                     std::string("As you are both over target score it will increase by 250 and another hand played."));
            QCOMPARE(n.Title, std::string("Both over target"));
            QCOMPARE(n.Button1, std::string("O.K"));
            QCOMPARE(n.Icon, IconCards);
        } else {
            QCOMPARE(t.g.Table.Caption, "Target Score " + std::to_string(target));
        }
        QCOMPARE(t.plat.Dialogs.size(), dialog + (winner.isEmpty() ? 0 : 1));
        QCOMPARE(t.g.PendingFlow, winner.isEmpty() ? FlowRequest::None : FlowRequest::NewHand);
        QCOMPARE(t.g.GameInProgress, winner.isEmpty());
    }

    void question_data()
    {
        QTest::addColumn<bool>("userWins");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("prompt");
        const QString tail = " against 1100 for MerrielClick on Play for another game or Exit to leave the game.";
        QTest::newRow("won, Play") << true << 0 << "Ann well done, you won that game with points 1300" + tail;
        QTest::newRow("won, Exit") << true << 1 << "Ann well done, you won that game with points 1300" + tail;
        QTest::newRow("lost, Play") << false << 0 << "Ann unfortunately, you lost that game with points 1300" + tail;
        QTest::newRow("lost, Exit") << false << 1 << "Ann unfortunately, you lost that game with points 1300" + tail;
    }
    void question()
    {
        QFETCH(bool, userWins);
        QFETCH(int, answer);
        QFETCH(QString, prompt);
        TestTable t;
        SetUp(t, 2, 1300, 1100, 1000);
        t.plat.DialogAnswers.push_back(static_cast<int16_t>(answer));
        RunHandler([&] { userWins ? PlayerWinsGame(t.g) : ComputerWinsGame(t.g); });
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        const MessageDialogRequest& q = t.plat.Dialogs[0];
        QCOMPARE(QString::fromStdString(q.Prompt), prompt);
        QCOMPARE(q.Button1, std::string("Play"));
        QCOMPARE(q.Button2, std::string("Exit"));
        QCOMPARE(q.Button3, std::string());
        QCOMPARE(q.Icon, IconCards);
        QCOMPARE(q.Title, std::string("Play again?"));
        QCOMPARE(t.g.GamesWon[SidePlayer], userWins ? 4 : 3);
        QCOMPARE(t.g.GamesWon[SideComputer], userWins ? 5 : 6);
        if (answer == 0) {
            QVERIFY(!t.g.GameInProgress);
            QCOMPARE(t.g.PendingFlow, FlowRequest::NewHand);
        } else {
            QCOMPARE(t.g.PendingFlow, FlowRequest::Exit);
        }
        QVERIFY(t.plat.FlowRunnerScheduled);
    }

    void questionClosedWithoutAnAnswerPlaysOn()
    {
        // A stale "Exit" from an earlier dialog must not end the program.
        TestTable t;
        SetUp(t, 2, 1300, 1100, 1000);
        t.g.DialogButton = AnswerButton2;
        t.plat.DialogAnswers.push_back(-1);
        RunHandler([&] { PlayerWinsGame(t.g); });
        QCOMPARE(t.g.PendingFlow, FlowRequest::NewHand);
    }

    void nothingWithoutAGame_data()
    {
        QTest::addColumn<int>("what");
        QTest::newRow("check, first phase") << 0;
        QTest::newRow("check, between phases") << 1;
        QTest::newRow("user wins") << 2;
        QTest::newRow("computer wins") << 3;
    }
    void nothingWithoutAGame()
    {
        QFETCH(int, what);
        TestTable t;
        SetUp(t, what == 1 ? 0 : 1, 1500, 200, 1000);
        t.g.GameInProgress = what == 1;  // between phases the game runs but no check applies
        RunHandler([&] {
            if (what <= 1)
                CheckForWinner(t.g);
            else if (what == 2)
                PlayerWinsGame(t.g);
            else
                ComputerWinsGame(t.g);
        });
        QVERIFY(t.plat.Dialogs.empty());
        QCOMPARE(t.g.GamesWon[SidePlayer] + t.g.GamesWon[SideComputer], 8);
        QCOMPARE(t.g.PendingFlow, FlowRequest::None);
        QVERIFY(!t.g.Table.LblKnock.Visible);
    }
};

QTEST_APPLESS_MAIN(GameEndTest)
#include "test_game_end.moc"
