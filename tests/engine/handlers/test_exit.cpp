// Leaving the program through the Exit command and the close box, in and out of a game.
#include <QtTest>

#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"
#include "engine/handlers/Exit.h"
#include "engine/handlers/StartUp.h"
#include "engine/settings/Settings.h"
#include "tests/support/TestTable.h"

namespace {

const char* const ExitQuestion = "Ann You are in the middle of a game. Do you really wish to Exit the game?";
const char* const CloseQuestion = " Do you really wish to exit?";

// Prompt, buttons and title of a dialog, on one line.
QString Describe(const MessageDialogRequest& r)
{
    return QString::fromStdString(r.Prompt + "|" + r.Button1 + "|" + r.Button2 + "|" + r.Button3 + "|" +
                                  std::to_string(r.Icon) + "|" + r.Title);
}

QString ExitDialog() { return QString(ExitQuestion) + "|No Continue|Yes Exit||2|Really Exit?"; }
QString CloseDialog() { return QString(CloseQuestion) + "|Yes Exit|Carry On||2|Really Exit?"; }

struct Table {
    Table()
    {
        t.plat.Folder = dir.path().toStdString();
        Form_Load(t.g);
        t.g.PlayerName = "Ann";
        t.g.GamesWon = {0, 4, 2};
        t.g.Speed = 25;
    }
    QByteArray AllDat() const
    {
        QFile f(dir.filePath("All.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Plays the waiting hand below with the dialogs answered in turn and the user's moves
    // given by onIdle.
    void PlayWaitingHand(std::initializer_list<int16_t> answers, std::function<bool()> onIdle)
    {
        // A hand stand-in: waits for the user's card, then for a second one, counting how far
        // it got.
        t.g.HandEntry = [this](Game& g) {
            for (handSteps = 0; handSteps < 2; ++handSteps) {
                g.PlayerToPlay = true;
                WaitWhile(g, g.PlayerToPlay);
            }
        };
        t.g.GameInProgress = true;
        t.plat.DialogAnswers = answers;
        t.plat.OnIdle = std::move(onIdle);
        RequestFlow(t.g, FlowRequest::NewHand);
        t.plat.RunScheduledFlows();
    }
    QStringList Dialogs() const
    {
        QStringList out;
        for (const auto& d : t.plat.Dialogs)
            out << Describe(d);
        return out;
    }
    QTemporaryDir dir;
    TestTable t;
    int handSteps = 0;
};

bool SameBoxes(const std::array<CardBox, 49>& a, const std::array<CardBox, 49>& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].Picture != b[i].Picture || a[i].Left != b[i].Left || a[i].Top != b[i].Top ||
            a[i].Visible != b[i].Visible || a[i].Z != b[i].Z)
            return false;
    return true;
}

const QByteArray AllDatLine("4,2,25,\"Ann\",\"\",1000\r\n");

}  // namespace

class ExitTest : public QObject {
    Q_OBJECT
private slots:
    void questionsAndOutcomes_data()
    {
        QTest::addColumn<QString>("command");   // "menu" or the close box
        QTest::addColumn<int>("closeReason");
        QTest::addColumn<bool>("inGame");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("exits");
        const QList<int> none;
        QTest::newRow("Exit, no game") << "menu" << 0 << false << none << QStringList() << true;
        QTest::newRow("Exit in a game, No Continue") << "menu" << 0 << true << QList<int>{0}
                                                     << QStringList{ExitDialog()} << false;
        QTest::newRow("Exit in a game, Yes Exit") << "menu" << 0 << true << QList<int>{1}
                                                  << QStringList{ExitDialog()} << true;
        QTest::newRow("close box, no game, Yes Exit") << "close" << 0 << false << QList<int>{0}
                                                      << QStringList{CloseDialog()} << true;
        QTest::newRow("close box, no game, Carry On") << "close" << 0 << false << QList<int>{1}
                                                      << QStringList{CloseDialog()} << false;
        QTest::newRow("close box in a game, Carry On") << "close" << 0 << true << QList<int>{1}
                                                       << QStringList{CloseDialog()} << false;
        QTest::newRow("close box in a game, Yes Exit, No Continue")
            << "close" << 0 << true << QList<int>{0, 0} << QStringList{CloseDialog(), ExitDialog()} << false;
        QTest::newRow("close box in a game, Yes Exit twice")
            << "close" << 0 << true << QList<int>{0, 1} << QStringList{CloseDialog(), ExitDialog()} << true;
        // -1: the question went away without a click, the last dialog's answer being Yes Exit.
        QTest::newRow("Exit in a game, no click") << "menu" << 0 << true << QList<int>{-1}
                                                  << QStringList{ExitDialog()} << false;
        QTest::newRow("close box, no click") << "close" << 0 << true << QList<int>{-1}
                                             << QStringList{CloseDialog()} << false;
        QTest::newRow("platform closes, no game") << "close" << 1 << false << none << QStringList() << true;
        QTest::newRow("platform closes in a game") << "close" << 3 << true << none << QStringList() << true;
    }
    void questionsAndOutcomes()
    {
        QFETCH(QString, command);
        QFETCH(int, closeReason);
        QFETCH(bool, inGame);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, exits);
        Table table;
        Game& g = table.t.g;
        g.GameInProgress = inGame;
        g.DialogButton = command == "menu" ? AnswerButton2 : AnswerButton1;  // a stale Yes Exit
        for (int a : answers)
            table.t.plat.DialogAnswers.push_back(int16_t(a));
        const auto cardsBefore = g.Table.PicCard;

        bool keptOpen = false;
        RunHandler([&] {
            if (command == "menu")
                MnuExit_Click(g);
            else
                keptOpen = Form_QueryUnload(g, closeReason);
        });

        QCOMPARE(table.Dialogs(), dialogs);
        QCOMPARE(table.t.plat.Sounds.size(), size_t(dialogs.size()));  // one ring a question
        QVERIFY(table.t.plat.DialogAnswers.empty());
        if (command == "close") {
            QCOMPARE(keptOpen, closeReason == 0);  // an exit that goes ahead is ended by the runner
            if (!keptOpen)
                QCOMPARE(g.PendingFlow, FlowRequest::Exit);  // a window that goes takes the program with it
        }
        QCOMPARE(g.PendingFlow == FlowRequest::Exit, exits);
        // Only the user's own exit saves.
        QCOMPARE(table.AllDat(), exits && closeReason == 0 ? AllDatLine : QByteArray());
        QVERIFY(!QFile::exists(table.dir.filePath("Data.dat")));  // the exit never saves the settings
        QCOMPARE(g.GameInProgress, inGame);
        QVERIFY(SameBoxes(g.Table.PicCard, cardsBefore));
        table.t.plat.RunScheduledFlows();
        QCOMPARE(table.t.plat.Ended, exits);
    }

    void declinedExitLeavesTheWaitRunning()
    {
        // Exit asked and declined while the hand waits for a card: the same wait goes on and
        // the hand plays on to its end.
        Table table;
        Game& g = table.t.g;
        VirtualPlatform& plat = table.t.plat;
        int idle = 0;
        // Close box: Carry On. Close box: Yes Exit, then No Continue. Exit: No Continue.
        table.PlayWaitingHand({1, 0, 0, 0}, [&] {
            ++idle;
            if (idle <= 2)
                plat.Post([&] { QVERIFY(Form_QueryUnload(g, 0)); });
            else if (idle == 3)
                plat.Post([&] { MnuExit_Click(g); });
            else
                plat.Post([&] { g.PlayerToPlay = false; });
            return true;
        });
        QCOMPARE(table.handSteps, 2);
        QCOMPARE(plat.Dialogs.size(), size_t(4));
        QVERIFY(!plat.Ended);
        QCOMPARE(g.WaitDepth, 0);
        QVERIFY(!QFile::exists(table.dir.filePath("All.dat")));
    }

    void exitInTheMiddleOfAHandEndsItThere()
    {
        Table table;
        Game& g = table.t.g;
        VirtualPlatform& plat = table.t.plat;
        // Close box: Yes Exit; the game's question: Yes Exit.
        table.PlayWaitingHand({0, 1}, [&] {
            plat.Post([&] { QVERIFY(Form_QueryUnload(g, 0)); });
            return true;
        });
        QVERIFY(plat.Ended);
        QCOMPARE(table.handSteps, 0);  // the first wait never returned to the hand
        QCOMPARE(g.WaitDepth, 0);
        QCOMPARE(table.AllDat(), AllDatLine);
    }

    void exitGoesOnWhenAllDatCannotBeWritten()
    {
        Table table;
        QVERIFY(QDir(table.dir.path()).mkdir("All.dat"));
        RunHandler([&] { MnuExit_Click(table.t.g); });
        table.t.plat.RunScheduledFlows();
        QVERIFY(table.t.plat.Ended);
        QVERIFY(QFileInfo(table.dir.filePath("All.dat")).isDir());
    }
};

QTEST_APPLESS_MAIN(ExitTest)
#include "test_exit.moc"
