// The second phase: the trick loop's waits and pauses, the trick's scoring, and the end of the
// hand with its target check, result and next deal.
#include <QtTest>

#include "engine/hand/Round2.h"
#include "engine/handlers/CardClick.h"
#include "tests/support/HandScript.h"

namespace {

// The last trick: the user leads the Ace of Hearts (25) and the computer must follow with the
// Nine of Hearts (35): 11 points to the user.
HandSetup LastTrick()
{
    HandSetup s;
    s.secondPhase = true;
    s.tricksDone = 23;
    s.turn = SidePlayer;
    s.user = {25};
    s.computer = {35};
    return s;
}

}  // namespace

class Round2Test : public QObject {
    Q_OBJECT
private slots:
    void endOfHand_data()
    {
        QTest::addColumn<int>("scoreP");  // game totals before the hand's tricks are added
        QTest::addColumn<int>("scoreC");
        QTest::addColumn<int>("meldsP");
        QTest::addColumn<int>("meldsC");
        QTest::addColumn<int>("tricksP");  // before the last trick's 11
        QTest::addColumn<int>("tricksC");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("gameOn");
        QTest::newRow("target kept, hand lost while ahead")
            << 300 << 200 << 40 << 20 << 100 << 139 << QStringList{"Hand Lost", "Total Scores"} << 1000 << true;
        QTest::newRow("hand won while trailing")
            << 100 << 500 << 60 << 0 << 100 << 129 << QStringList{"Hand Won", "Total Scores"} << 1000 << true;
        QTest::newRow("draw") << 0 << 0 << 0 << 0 << 100 << 111 << QStringList{"Draw", "Total Scores"} << 1000 << true;
        QTest::newRow("both over: raised, game on")
            << 990 << 900 << 0 << 0 << 100 << 150
            << QStringList{"Both over target", "Hand Lost", "Total Scores"} << 1250 << true;
        QTest::newRow("both over: raised, the user wins at once")
            << 1200 << 950 << 0 << 0 << 100 << 150 << QStringList{"Both over target", "Play again?"} << 1250 << false;
        QTest::newRow("only the computer over") << 500 << 900 << 0 << 0 << 100 << 150 << QStringList{"Play again?"}
                                                << 1000 << false;
    }
    void endOfHand()
    {
        QFETCH(int, scoreP);
        QFETCH(int, scoreC);
        QFETCH(int, meldsP);
        QFETCH(int, meldsC);
        QFETCH(int, tricksP);
        QFETCH(int, tricksC);
        QFETCH(QStringList, dialogs);
        QFETCH(int, target);
        QFETCH(bool, gameOn);
        TestTable t;
        Game& g = t.g;
        SetUpHand(t, LastTrick());
        g.TotalScoreP = static_cast<int16_t>(scoreP);
        g.TotalScoreC = static_cast<int16_t>(scoreC);
        g.TotalMeldsP = static_cast<int16_t>(meldsP);
        g.TotalMeldsC = static_cast<int16_t>(meldsC);
        g.TotTricksP = static_cast<int16_t>(tricksP);
        g.TotTricksC = static_cast<int16_t>(tricksC);
        ScriptedUser user(t);
        user.Run(&PlayRound2);

        QStringList titles;
        for (const MessageDialogRequest& d : t.plat.Dialogs)
            titles << QString::fromStdString(d.Title);
        QCOMPARE(titles, dialogs);
        const int p = scoreP + tricksP + 11, c = scoreC + tricksC;
        QCOMPARE(int(g.TotalScoreP), p);
        QCOMPARE(int(g.TotalScoreC), c);
        QCOMPARE(g.Table.LblTotalScoreP.Caption, std::to_string(p));
        QCOMPARE(g.Table.LblTotScoreC.Caption, std::to_string(c));
        QCOMPARE(int(g.TargetScore), target);
        QCOMPARE(g.GameInProgress, gameOn);
        QCOMPARE(g.PendingFlow, FlowRequest::NewHand);
        QVERIFY(std::find(t.plat.Sounds.begin(), t.plat.Sounds.end(), "knock.wav") == t.plat.Sounds.end());
        if (gameOn) {
            // The hand's own points, then the game's.
            const std::string hand = std::to_string(meldsP + tricksP + 11) + " against " + std::to_string(meldsC + tricksC);
            const MessageDialogRequest& result = t.plat.Dialogs[t.plat.Dialogs.size() - 2];
            QVERIFY2(result.Prompt.rfind("Ann Game not over, but ", 0) == 0, result.Prompt.c_str());
            QVERIFY2(result.Prompt.size() > hand.size() &&
                         result.Prompt.compare(result.Prompt.size() - hand.size(), hand.size(), hand) == 0,
                     result.Prompt.c_str());
            QCOMPARE(result.Button1, std::string("Right"));
            QCOMPARE(result.Icon, IconCards);
            const MessageDialogRequest& totals = t.plat.Dialogs.back();
            QCOMPARE(totals.Prompt, "Your total score is " + std::to_string(p) + " against " + std::to_string(c));
            QCOMPARE(totals.Button1, std::string("O.K"));
        }
    }

    void handResultTexts_data()
    {
        QTest::addColumn<int>("tricksC");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("won") << 0 << "Ann Game not over, but you won that hand with points 11 against 0";
        QTest::newRow("lost") << 12 << "Ann Game not over, but unfortunately you lost that hand with points 11 against 12";
        QTest::newRow("draw") << 11 << "Ann Game not over, but the hand was a draw with 11 against 11";
    }
    void handResultTexts()
    {
        QFETCH(int, tricksC);
        QFETCH(QString, prompt);
        TestTable t;
        SetUpHand(t, LastTrick());
        t.g.TotTricksC = static_cast<int16_t>(tricksC);
        ScriptedUser user(t);
        user.Run(&PlayRound2);
        QCOMPARE(QString::fromStdString(t.plat.Dialogs.at(0).Prompt), prompt);
    }

    void trickPacing_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("elapsed");
        // User leads and wins: pause, the click (pause and move), pause, the computer's move,
        // the gathering, pause.
        QTest::newRow("user leads") << 1 << 100 + 900 + 100 + 750 + 2000 + 100;
        // Computer leads and wins: pause, pause, its move, pause, the click, gathering, pause.
        QTest::newRow("computer leads") << 2 << 100 + 100 + 750 + 100 + 900 + 1750 + 100;
    }
    void trickPacing()
    {
        QFETCH(int, turn);
        QFETCH(int, elapsed);
        TestTable t;
        HandSetup s = LastTrick();
        s.turn = turn;
        if (turn == SideComputer) {
            s.user = {35};
            s.computer = {25};
        }
        SetUpHand(t, s);
        ScriptedUser user(t);
        uint64_t end = 0;
        user.onDialog = [&](const MessageDialogRequest&) {
            if (end == 0)
                end = t.Now();
        };
        const uint64_t t0 = t.Now();
        user.Run(&PlayRound2);
        QCOMPARE(int(end - t0), elapsed);
        QCOMPARE(user.cardWaits, std::vector<std::string>{"Tricks 24"});
        QCOMPARE(turn == SidePlayer ? int(t.g.TotTricksP) : int(t.g.TotTricksC), 11);
    }

    void computerLeadsAfterOnePause()
    {
        TestTable t;
        HandSetup s = LastTrick();
        s.tricksDone = 12;
        s.turn = SideComputer;
        s.user = {35, 36};
        s.computer = {25, 26};
        SetUpHand(t, s);
        ScriptedUser user(t);
        user.stopAt = "never";
        uint64_t announced = 0;
        t.plat.OnProcessEvents = [&] {
            if (announced == 0 && t.g.Table.StatusBar[2].Text.find("Merriel plays ") == 0) {
                announced = t.Now();
                t.plat.Post([&] { RequestFlow(t.g, FlowRequest::Exit); });
            }
        };
        const uint64_t t0 = t.Now();
        user.Run(&PlayRound2);
        QCOMPARE(int(announced - t0), 100);
        QCOMPARE(int(t.g.TricksPlayed), 13);
        QCOMPARE(t.g.Table.StatusBar[2].Text, std::string("Merriel plays Ace of Hearts"));
    }

    void userTricksScoreAndTheNextLeadIsTakenEarly()
    {
        // The user wins trick 23 with 21 points and clicks the next lead during the pause that
        // follows: that click ends trick 24's wait, which then never waits for the user.
        TestTable t;
        Game& g = t.g;
        HandSetup s = LastTrick();
        s.tricksDone = 22;
        s.user = {25, 1};      // Ace of Hearts, Ace of Diamonds
        s.computer = {27, 11};  // Ten of Hearts, Nine of Diamonds
        SetUpHand(t, s);
        ScriptedUser user(t);
        user.choose = [](Game&) { return int16_t(25); };
        user.stopAt = "Hand Won";
        std::string scorePanel;
        bool clickedEarly = false;
        t.plat.OnProcessEvents = [&] {
            const std::string& panel = g.Table.StatusBar[2].Text;
            if (panel.find(" 's trick score is ") != std::string::npos && scorePanel.empty())
                scorePanel = panel;
            if (!clickedEarly && panel == "Ann your turn, please click card to play") {
                clickedEarly = true;
                t.plat.Post([&g] { PicCard_Click(g, 1); });
            }
        };
        user.Run(&PlayRound2);
        QCOMPARE(scorePanel, std::string("Ann 's trick score is 21"));
        QVERIFY(clickedEarly);
        QCOMPARE(user.cardWaits, std::vector<std::string>{"Tricks 23"});
        QCOMPARE(int(g.TotTricksP), 21 + 11);
        QCOMPARE(g.Table.LblLastTrickP.Caption, std::string("11"));
        QCOMPARE(int(g.TricksPlayed), 24);
        // No extra points for the 24th trick.
        QCOMPARE(int(g.TotTricksP + g.TotTricksC), 21 + 11);
    }

    void computerTrickClearsTheWait()
    {
        // After a trick the computer won the user's clicks are ignored until it has led.
        TestTable t;
        Game& g = t.g;
        HandSetup s = LastTrick();
        s.tricksDone = 22;
        s.user = {35, 12};      // Nine of Hearts, Nine of Diamonds
        s.computer = {25, 1};    // Ace of Hearts, Ace of Diamonds
        SetUpHand(t, s);
        ScriptedUser user(t);
        user.choose = [](Game& game) { return ScriptedUser::FirstCard(game); };
        int ignoredClicks = 0;
        t.plat.OnProcessEvents = [&] {
            if (g.Turn == SideComputer && !g.PlayerToPlay && g.Cards[35].Location == LocPlayerHand) {
                PicCard_Click(g, 35);
                ignoredClicks += g.Cards[35].Location == LocPlayerHand ? 1 : 0;
            }
        };
        user.Run(&PlayRound2);
        QVERIFY(ignoredClicks > 0);
        QCOMPARE(int(g.TotTricksC), 22);
        QCOMPARE(user.cardWaits, (std::vector<std::string>{"Tricks 23", "Tricks 24"}));
    }

    void nothingWithoutAGame()
    {
        TestTable t;
        SetUpHand(t, LastTrick());
        t.g.GameInProgress = false;
        PlayRound2(t.g);
        QCOMPARE(int(t.g.TricksPlayed), 23);
        QCOMPARE(t.Now(), uint64_t(0));
    }
};

QTEST_APPLESS_MAIN(Round2Test)
#include "test_round2.moc"
