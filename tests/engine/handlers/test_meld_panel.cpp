// The meld panel's buttons, the marriage suit panel, cancel, the reminder, knock and sort, as
// the window's handlers run them.
#include <QtTest>

#include "engine/flow/Flow.h"
#include "engine/handlers/Knock.h"
#include "engine/handlers/MeldPanel.h"
#include "engine/handlers/Sort.h"
#include "tests/support/MeldScene.h"
#include "tests/support/PaceLog.h"

namespace {

uint64_t TopZ(const Game& g)
{
    uint64_t z = 0;
    for (int i = 1; i <= CardCount; ++i)
        z = std::max(z, g.Table.PicCard[i].Z);
    return std::max({z, g.Table.FramMarriage.Z, g.Table.FramMeldHelp.Z});
}

void Button(Game& g, const QString& name)
{
    if (name == "double")
        CmdDBezique_Click(g);
    else if (name == "pinochle")
        CmdBezique_Click(g);
    else if (name == "run")
        CmdSequence_Click(g);
    else if (name == "dix")
        cmdDec7Trumps_Click(g);
    else if (name == "makeMarriage")
        CmdMakeMarriage_Click(g, 4);
    else if (name.startsWith("fours"))
        CmdFours_Click(g, static_cast<int16_t>(name.mid(5).toInt()));
    else if (name.startsWith("marriage"))
        CmdMarriage_Click(g, static_cast<int16_t>(name.mid(8).toInt()));
}

// Hearts are trumps. The user holds the double Pinochle, the run in Hearts, four Kings and the
// Nine of Hearts; the Ace of Hearts 26 is the up card.
void RichHand(TestTable& t)
{
    OpenMeldTurn(t, SuitHearts);
    t.Put(LocPlayerHand, {9, 10, 43, 44, 25, 27, 29, 31, 33, 35, 5, 17, 41});
    t.g.UpCard = 26;
    t.Put(LocUpCard, {26});
}

}  // namespace

class MeldPanelTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsMeldForTheUser_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("points");
        QTest::newRow("Double Pinochle") << "double" << 500;
        QTest::newRow("Pinochle") << "pinochle" << 40;
        QTest::newRow("Run in Trumps") << "run" << 150;
        QTest::newRow("Dix- 9 Trumps") << "dix" << 10;
        QTest::newRow("Four Kings") << "fours0" << 80;
        QTest::newRow("Four Aces without them") << "fours3" << 0;
        QTest::newRow("Four Queens without them") << "fours1" << 0;
        QTest::newRow("Four Jacks without them") << "fours2" << 0;
        QTest::newRow("no fours button 4") << "fours4" << -1;
        QTest::newRow("no fours button -1") << "fours-1" << -1;
    }
    void buttonsMeldForTheUser()
    {
        QFETCH(QString, button);
        QFETCH(int, points);
        TestTable t;
        RichHand(t);
        Button(t.g, button);
        QCOMPARE(int(t.g.TotalScoreP), std::max(points, 0));
        QCOMPARE(t.g.PlayerToMeld, points <= 0);
        QCOMPARE(t.g.Table.FramDeclare.Visible, points <= 0);
        QCOMPARE(t.plat.Dialogs.size(), size_t(points == 0 ? 1 : 0));
        // The four-of-a-kind button clears it after its meld; the others leave the outcome.
        QCOMPARE(t.g.MeldMade, points > 0 && !button.startsWith("fours"));
        QVERIFY(!t.g.MeldInMotion);
        // The fours button's value shows in its status text.
        if (button == "fours0")
            QCOMPARE(t.g.Table.StatusBar[2].Text, std::string("Ann scores 80 for 4 Kings"));
    }

    void buttonsOfAHiddenPanelDoNothing_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* b : {"double", "pinochle", "run", "dix", "fours0", "makeMarriage", "marriage3"})
            QTest::newRow(b) << QString(b);
    }
    void buttonsOfAHiddenPanelDoNothing()
    {
        QFETCH(QString, button);
        TestTable t;
        RichHand(t);
        t.g.Table.FramDeclare.Visible = false;
        const auto before = t.g.Cards;
        Button(t.g, button);
        QVERIFY(SameCards(t.g, before));
        QVERIFY(!t.g.Table.FramMarriage.Visible);
        QCOMPARE(t.g.TotalScoreP, int16_t(0));
        QVERIFY(t.plat.Dialogs.empty());
    }

    void failedFourKingsBringsThePanelToTheFront()
    {
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.Put(LocPlayerHand, {5, 17, 41});
        t.g.Table.BringToFront(17);  // cards laid out since the panel opened
        t.g.Table.BringToFront(t.g.Table.FramMeldHelp);
        CmdFours_Click(t.g, 0);
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        QCOMPARE(t.plat.Dialogs[0].Title, std::string("No Heart"));
        QVERIFY(t.g.Table.FramDeclare.Visible);
        QVERIFY(t.g.Table.FramDeclare.Z > TopZ(t.g));
        QVERIFY(t.g.PlayerToMeld);
        QVERIFY(!t.g.MeldMade);
    }

    void marriageThroughTheSuitPanel()
    {
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.Put(LocPlayerHand, {41, 43, 19});
        CmdMakeMarriage_Click(t.g, 4);
        QVERIFY(!t.g.Table.FramDeclare.Visible);
        QVERIFY(t.g.Table.FramMarriage.Visible);
        QVERIFY(t.g.Table.FramMarriage.Z >= TopZ(t.g));
        const uint64_t declareZ = t.g.Table.FramDeclare.Z;

        // Clubs: a Queen but no King.
        CmdMarriage_Click(t.g, SuitClubs);
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        QCOMPARE(t.plat.Dialogs[0].Title, std::string("No King."));
        QVERIFY(!t.g.Table.FramMarriage.Visible);
        QVERIFY(t.g.Table.FramDeclare.Visible);
        QCOMPARE(t.g.Table.FramDeclare.Z, declareZ);  // shown again, not raised
        QVERIFY(t.g.PlayerToMeld);

        CmdMakeMarriage_Click(t.g, 4);
        CmdMarriage_Click(t.g, SuitSpades);
        QCOMPARE(t.g.TotalScoreP, int16_t(20));
        QVERIFY(!t.g.Table.FramMarriage.Visible);
        QVERIFY(!t.g.Table.FramDeclare.Visible);
        QVERIFY(!t.g.PlayerToMeld);
        QVERIFY(!t.g.MeldMade);
        // The Queen of Clubs, the one card left in the row, is laid out by face.
        QCOMPARE(t.g.Table.PicCard[19].Left, 2500);
    }

    void cancel_data()
    {
        QTest::addColumn<bool>("panelOpen");
        QTest::addColumn<bool>("suitPanelOpen");
        QTest::newRow("from the meld panel") << true << false;
        QTest::newRow("both panels shown") << true << true;
        QTest::newRow("no panel: the card wait goes on") << false << false;
    }
    void cancel()
    {
        QFETCH(bool, panelOpen);
        QFETCH(bool, suitPanelOpen);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.g.PlayerToPlay = true;
        t.g.PlayerToMeld = panelOpen;
        t.g.Table.FramDeclare.Visible = panelOpen;
        t.g.Table.FramMarriage.Visible = suitPanelOpen;
        CmdCancel_Click(t.g);
        QVERIFY(!t.g.Table.FramDeclare.Visible);
        QVERIFY(!t.g.Table.FramMarriage.Visible);
        QCOMPARE(t.g.PlayerToPlay, !panelOpen);
        QVERIFY(!t.g.PlayerToMeld);
    }

    void aSecondMeldWaitsForTheFirstToLand_data()
    {
        QTest::addColumn<QString>("second");
        for (const char* b : {"run", "double", "fours0", "dix", "pinochle", "makeMarriage"})
            QTest::newRow(b) << QString(b);
    }
    void aSecondMeldWaitsForTheFirstToLand()
    {
        QFETCH(QString, second);
        TestTable t;
        RichHand(t);
        int clicks = 0;
        // While the Pinochle's Jack is still in its slot.
        t.plat.At(t.Now() + 100, [&] {
            ++clicks;
            QVERIFY(t.g.MeldInMotion);
            Button(t.g, second);
        });
        CmdBezique_Click(t.g);
        QCOMPARE(clicks, 1);
        QVERIFY(t.plat.Dialogs.empty());
        QCOMPARE(t.g.TotalScoreP, int16_t(40));
        QVERIFY(!t.g.Table.FramMarriage.Visible);
        QVERIFY(!t.g.MeldInMotion);
        QVERIFY(!t.g.Cards[25].InRun && !t.g.Cards[9].InDoublePinochle && !t.g.Cards[5].InFourKings);
        QCOMPARE(t.g.Cards[35].Location, LocPlayerHand);

        // The next turn's click is taken.
        OpenMeldTurn(t, SuitHearts);
        CmdSequence_Click(t.g);
        QCOMPARE(t.g.TotalScoreP, int16_t(190));
    }

    void anAbandonedMeldLeavesNothingInMotion()
    {
        TestTable t;
        RichHand(t);
        t.plat.At(t.Now() + 100, [&] { RequestFlow(t.g, FlowRequest::NewHand); });
        RunHandler([&] { CmdSequence_Click(t.g); });
        QVERIFY(!t.g.MeldInMotion);
        QCOMPARE(t.g.PendingFlow, FlowRequest::NewHand);
        QVERIFY(t.plat.FlowRunnerScheduled);
    }

    void sortCaptionNamesTheNextOrder_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("next");
        QTest::addColumn<int>("second");  // the second card of the row afterwards; 0: not laid out
        QTest::newRow("Sort Suits lays out by suit") << "Sort Suits" << "Sort Same" << 9;
        QTest::newRow("Sort Same lays out by face") << "Sort Same" << "Sort Suits" << 47;
        QTest::newRow("the design caption does nothing") << "&Sort Same" << "&Sort Same" << 0;
    }
    void sortCaptionNamesTheNextOrder()
    {
        QFETCH(QString, caption);
        QFETCH(QString, next);
        QFETCH(int, second);
        TestTable t;
        t.Put(LocPlayerHand, {1, 3, 9, 11, 19, 17, 18, 27, 31, 37, 45, 47});
        t.g.Table.CmdSort.Caption = caption.toStdString();
        CmdSort_Click(t.g);
        QCOMPARE(QString::fromStdString(t.g.Table.CmdSort.Caption), next);
        if (second == 0) {
            QCOMPARE(t.g.Table.PicCard[9].Left, 0);
        } else {
            QCOMPARE(t.g.Table.PicCard[second].Left, 3000);
            QCOMPARE(t.g.Table.PicCard[11].Left, 2500);
        }
    }

    void knockInTheSecondPhaseOnlyTellsWhy()
    {
        TestTable t;
        t.g.PlayerName = "Ann";
        t.g.InRound2 = true;
        t.g.PauseLength = 42;
        LblKnock_Click(t.g);
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        const MessageDialogRequest& d = t.plat.Dialogs[0];
        QCOMPARE(d.Prompt,
                 std::string("Ann Sorry, you must knock during Round 1. Merriel might catch you up on Trick Scores"));
        QCOMPARE(d.Button1, std::string("Oh Right"));
        QCOMPARE(d.Button2, std::string());
        QCOMPARE(d.Button3, std::string());
        QCOMPARE(d.Icon, IconInfo);
        QCOMPARE(d.Title, std::string("Can't Knock Now"));
        QVERIFY(!t.g.PlayerKnocked);
        QCOMPARE(t.plat.Sounds, std::vector<std::string>{"ringout.wav"});
        QCOMPARE(t.Now(), uint64_t(0));
        QCOMPARE(t.g.PauseLength, int16_t(42));
    }

    void knockInTheFirstPhase_data()
    {
        QTest::addColumn<int>("speed");
        QTest::newRow("fast") << 25;
        QTest::newRow("medium") << 100;
        QTest::newRow("slow") << 250;
    }
    void knockInTheFirstPhase()
    {
        QFETCH(int, speed);
        TestTable t;
        t.g.Speed = static_cast<int16_t>(speed);
        t.g.InRound1 = true;
        std::vector<bool> knockedDuring;
        PaceLog log(t);
        auto recordWait = t.plat.OnProcessEvents;
        t.plat.OnProcessEvents = [&] {
            recordWait();
            knockedDuring.push_back(t.g.PlayerKnocked);
        };
        LblKnock_Click(t.g);
        QCOMPARE(t.plat.Sounds, std::vector<std::string>{"knock.wav"});
        QCOMPARE(log.Waits[0].Sounds, size_t(1));
        QCOMPARE(log.Lengths(), (std::vector<int>{speed + 300, speed + 300}));
        QCOMPARE(int(t.Now()), 2 * (speed + 300));
        QCOMPARE(knockedDuring, (std::vector<bool>{false, false}));
        QVERIFY(t.g.PlayerKnocked);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
        QVERIFY(t.plat.Dialogs.empty());
    }

    void reminderOpensOverTheTableAndCloses()
    {
        TestTable t;
        t.g.Table.BringToFront(t.g.Table.FramDeclare);
        t.g.Table.BringToFront(12);
        MnuReminder_Click(t.g);
        QVERIFY(t.g.Table.FramMeldHelp.Visible);
        QVERIFY(t.g.Table.FramMeldHelp.Z > t.g.Table.FramDeclare.Z);
        QVERIFY(t.g.Table.FramMeldHelp.Z > t.g.Table.PicCard[12].Z);
        Command1_Click(t.g);
        QVERIFY(!t.g.Table.FramMeldHelp.Visible);
    }
};

QTEST_APPLESS_MAIN(MeldPanelTest)
#include "test_meld_panel.moc"
