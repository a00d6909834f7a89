// Who wins a trick, what it is worth, and the settling of a first-phase trick.
#include <QtTest>

#include "engine/hand/Trick.h"
#include "engine/steps/ScoreBoard.h"
#include "tests/support/TestTable.h"

namespace {

void SetTrick(Game& g, int turn, int trump, int led, int second)
{
    g.Turn = turn;
    g.TrumpSuit = trump;
    g.TrickCard1 = static_cast<int16_t>(led);
    g.TrickSuit1 = g.Cards[led].Suit;
    g.TrickCard2 = static_cast<int16_t>(second);
    g.TrickSuit2 = g.Cards[second].Suit;
}

}  // namespace

class TrickTest : public QObject {
    Q_OBJECT
private slots:
    void winnerAndPoints_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("trump");
        QTest::addColumn<int>("led");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("points");
        // Ace of Hearts 25/26, Ace of Clubs 13, Ten of Clubs 15, King of Clubs 17, Nine of Hearts
        // 35, Ace of Diamonds 1, Ten of Diamonds 3, Nines of Diamonds 11/12, Nine of Spades 47.
        QTest::newRow("both copies of one card, user leads") << 1 << 4 << 25 << 26 << 1 << 22;
        QTest::newRow("both copies of one card, computer leads") << 2 << 4 << 26 << 25 << 2 << 22;
        QTest::newRow("off-suit high card loses") << 1 << 4 << 35 << 13 << 1 << 11;
        QTest::newRow("off-suit high card loses, computer leads") << 2 << 1 << 35 << 13 << 2 << 11;
        QTest::newRow("trump led beats an off-suit Ace") << 2 << 4 << 47 << 25 << 2 << 11;
        QTest::newRow("Nine of trumps second beats an Ace") << 1 << 4 << 1 << 47 << 2 << 11;
        QTest::newRow("trump second beats a trump-free lead") << 2 << 2 << 1 << 17 << 1 << 15;
        QTest::newRow("higher card of the suit second wins") << 1 << 4 << 15 << 13 << 2 << 21;
        QTest::newRow("Ten beats King") << 2 << 4 << 17 << 15 << 1 << 14;
        QTest::newRow("lower card of the suit second loses") << 1 << 1 << 1 << 3 << 1 << 21;
        QTest::newRow("two Nines") << 2 << 3 << 11 << 12 << 2 << 0;
    }
    void winnerAndPoints()
    {
        QFETCH(int, turn);
        QFETCH(int, trump);
        QFETCH(int, led);
        QFETCH(int, second);
        QFETCH(int, winner);
        QFETCH(int, points);
        TestTable t;
        SetTrick(t.g, turn, trump, led, second);
        QCOMPARE(TrickWinner(t.g), winner);
        QCOMPARE(int(TrickPoints(t.g)), points);
    }

    void addTrickScoreOfZeroStillShowsIt()
    {
        TestTable t;
        t.g.TotTricksC = 33;
        t.g.Table.LblLastTrickC.Caption = "11";
        t.g.LastTrickC = 0;
        AddTrickScore(t.g, SideComputer);
        QCOMPARE(t.g.Table.LblLastTrickC.Caption, std::string("0"));
        QCOMPARE(t.g.Table.LblTotTricskC.Caption, std::string("33"));
        QCOMPARE(int(t.g.TotTricksC), 33);
    }

    void meldReachesTheGameTotalTricksDoNot()
    {
        TestTable t;
        t.g.TotalScoreC = 100;
        t.g.LastMeldC = 40;
        AddMeldScore(t.g, SideComputer);
        t.g.LastTrickC = 21;
        AddTrickScore(t.g, SideComputer);
        QCOMPARE(t.g.Table.LbllLastMeldC.Caption, std::string("40"));
        QCOMPARE(t.g.Table.LblTotMeldsC.Caption, std::string("40"));
        QCOMPARE(t.g.Table.LblTotScoreC.Caption, std::string("140"));
        QCOMPARE(t.g.Table.LblTotTricskC.Caption, std::string("21"));
        QCOMPARE(int(t.g.TotalScoreC), 140);
        QCOMPARE(int(t.g.LastMeldC), 0);
        QCOMPARE(int(t.g.LastTrickC), 0);
    }

    void totalsStopAtTheLimit()
    {
        // A game kept alive long by lowering the target: the totals never wrap to negative.
        TestTable t;
        t.g.TotalScoreP = t.g.TotalMeldsP = 32700;
        t.g.LastMeldP = 150;
        AddMeldScore(t.g, SidePlayer);
        QCOMPARE(int(t.g.TotalScoreP), 32767);
        QCOMPARE(t.g.Table.LblTotalScoreP.Caption, std::string("32767"));
        QCOMPARE(int(AddPoints(-32700, -150)), -32768);
    }

    void resolve_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("led");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("trick");
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("elapsed");  // ms from the start to the end of the meld turn
        QTest::addColumn<bool>("meldTurn");
        // The user's meld turn is ended by the user 300 ms after it opens.
        QTest::newRow("user wins") << 1 << 13 << 35 << 3 << 1 << 2000 + 300 << true;
        QTest::newRow("user wins the twelfth") << 2 << 35 << 25 << 12 << 1 << 2000 + 300 << true;
        QTest::newRow("computer wins") << 2 << 13 << 35 << 3 << 2 << 1750 + 100 << false;
        QTest::newRow("computer wins the twelfth: no meld yet") << 1 << 35 << 25 << 12 << 2 << 1750 << false;
    }
    void resolve()
    {
        QFETCH(int, turn);
        QFETCH(int, led);
        QFETCH(int, second);
        QFETCH(int, trick);
        QFETCH(int, winner);
        QFETCH(int, elapsed);
        QFETCH(bool, meldTurn);
        TestTable t;
        t.Put(LocPlayed, {led, second});
        SetTrick(t.g, turn, SuitDiamonds, led, second);
        t.g.TricksPlayed = static_cast<uint8_t>(trick);
        t.g.PlayerName = "Ann";
        t.g.PauseLength = t.g.Speed;
        t.g.BotPileLeft = t.g.PlayerPileLeft = 10440;
        bool panelOpenAtWait = false;
        int idles = 0;
        // The user takes 300 ms over the meld turn: the first idle moment schedules the cancel,
        // later ones let the clock run on to it.
        t.plat.OnIdle = [&] {
            if (idles++ > 0)
                return false;
            panelOpenAtWait = t.g.Table.FramDeclare.Visible;
            t.plat.At(t.Now() + 300, [&] {
                t.g.Table.FramDeclare.Visible = false;
                t.g.PlayerToMeld = false;
            });
            return true;
        };
        const uint64_t t0 = t.Now();
        ResolveTrick(t.g);
        QCOMPARE(int(t.Now() - t0), elapsed);
        QCOMPARE(t.g.Turn, winner);
        QCOMPARE(idles > 0, meldTurn);
        QCOMPARE(panelOpenAtWait, meldTurn);
        QVERIFY(!t.g.PlayerToMeld);
        const int16_t points = 11;  // an Ace and a Nine
        if (winner == SidePlayer) {
            QCOMPARE(t.g.TotTricksP, points);
            QCOMPARE(t.g.Table.LblLastTrickP.Caption, std::string("11"));
            QCOMPARE(t.g.Table.StatusBar[2].Text, std::string("Ann click Meld to make or Cancel to receive card."));
            QCOMPARE(int(t.g.PlayerPileLeft), 10440 + 90);
        } else {
            QCOMPARE(t.g.TotTricksC, points);
            QCOMPARE(t.g.Table.LblTotTricskC.Caption, std::string("11"));
            QCOMPARE(int(t.g.BotPileLeft), 10440 + 90);
        }
        QCOMPARE(int(t.g.LastTrickP + t.g.LastTrickC), 0);
        QCOMPARE(int(t.g.TotalScoreP + t.g.TotalScoreC), 0);  // trick points wait for the hand's end
    }
};

QTEST_APPLESS_MAIN(TrickTest)
#include "test_trick.moc"
