// The six meld kinds: which cards they take, what they score, when they are refused, the
// user's notices, and the Dix exchange.
#include <QtTest>

#include "engine/melds/MeldDix.h"
#include "engine/melds/MeldFours.h"
#include "engine/melds/MeldMarriage.h"
#include "engine/melds/MeldPinochle.h"
#include "engine/melds/MeldRun.h"
#include "tests/support/MeldScene.h"
#include "tests/support/PaceLog.h"

namespace {

std::vector<int> Repeat(int length, int times) { return std::vector<int>(size_t(times), length); }

std::vector<int> Join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace

class MeldsTest : public QObject {
    Q_OBJECT
private slots:
    void runTakesTheLastCopyAndScoresByMarriage_data()
    {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("marriagesFirst");
        QTest::addColumn<QList<int>>("markedMarried");
        QTest::addColumn<int>("points");
        QTest::addColumn<QList<int>>("runCards");
        // Hearts are trumps: Ace 25, Ten 27, Kings 29 and 30, Queens 31 and 32, Jack 33.
        const QList<int> both{25, 27, 29, 30, 31, 32, 33};
        QTest::newRow("no marriage") << both << 0 << QList<int>{} << 150 << QList<int>{25, 27, 30, 32, 33};
        QTest::newRow("first marriage took the lower copies") << both << 1 << QList<int>{} << 150
                                                              << QList<int>{25, 27, 30, 32, 33};
        QTest::newRow("second marriage took the higher copies") << both << 2 << QList<int>{} << 110
                                                                << QList<int>{25, 27, 30, 32, 33};
        QTest::newRow("lower King married") << both << 0 << QList<int>{29} << 150 << QList<int>{25, 27, 30, 32, 33};
        QTest::newRow("higher King married") << both << 0 << QList<int>{30} << 110 << QList<int>{25, 27, 30, 32, 33};
        QTest::newRow("only the Queen married") << QList<int>{25, 27, 29, 31, 33} << 0 << QList<int>{31} << 110
                                                << QList<int>{25, 27, 29, 31, 33};
        QTest::newRow("married Ace counts for nothing") << QList<int>{25, 27, 29, 31, 33} << 0 << QList<int>{25} << 150
                                                        << QList<int>{25, 27, 29, 31, 33};
    }
    void runTakesTheLastCopyAndScoresByMarriage()
    {
        QFETCH(QList<int>, hand);
        QFETCH(int, marriagesFirst);
        QFETCH(QList<int>, markedMarried);
        QFETCH(int, points);
        QFETCH(QList<int>, runCards);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        for (int i : hand)
            t.g.Cards[i].Location = LocPlayerHand;
        for (int i : markedMarried)
            t.g.Cards[i].InMarriage = true;
        for (int m = 0; m < marriagesFirst; ++m) {
            MeldMarriage(t.g, SidePlayer, SuitHearts);
            QVERIFY(t.g.MeldMade);
            t.g.PlayerToMeld = true;
        }
        const int16_t before = t.g.TotalScoreP;
        MeldRun(t.g, SidePlayer);
        QVERIFY(t.g.MeldMade);
        QCOMPARE(t.g.Table.LblLastMeldP.Caption, std::to_string(points));
        QCOMPARE(int(t.g.TotalScoreP - before), points);
        QCOMPARE(t.g.Table.StatusBar[2].Text, "Annscores for run " + std::to_string(points));
        for (int i : hand)
            QCOMPARE(t.g.Cards[i].InRun, runCards.contains(i));
    }

    void marriageAfterARunStillCounts_data()
    {
        QTest::addColumn<int>("suit");
        QTest::addColumn<int>("points");
        QTest::newRow("trumps") << SuitHearts << 40;
        QTest::newRow("another suit") << SuitSpades << 20;
    }
    void marriageAfterARunStillCounts()
    {
        QFETCH(int, suit);
        QFETCH(int, points);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.Put(LocPlayerHand, {25, 27, 29, 31, 33, 41, 43});
        MeldRun(t.g, SidePlayer);
        QCOMPARE(t.g.TotalScoreP, int16_t(150));
        t.g.PlayerToMeld = true;
        MeldMarriage(t.g, SidePlayer, suit);
        QVERIFY(t.g.MeldMade);
        QCOMPARE(t.g.Table.LblLastMeldP.Caption, std::to_string(points));
        QCOMPARE(int(t.g.TotalScoreP), 150 + points);
        QCOMPARE(int(t.g.TotalMeldsP), 150 + points);
        // A second marriage of the suit would need the other King and Queen.
        t.g.PlayerToMeld = true;
        MeldMarriage(t.g, SidePlayer, suit);
        QVERIFY(!t.g.MeldMade);
        QCOMPARE(t.plat.Dialogs.back().Title, std::string("No King."));
    }

    void pinochleTakesTheLowerCopies_data()
    {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("jack");
        QTest::addColumn<int>("queen");
        QTest::newRow("all four") << QList<int>{9, 10, 43, 44} << 9 << 43;
        QTest::newRow("second Jack") << QList<int>{10, 43, 44} << 10 << 43;
        QTest::newRow("second Queen") << QList<int>{9, 10, 44} << 9 << 44;
        QTest::newRow("second copies") << QList<int>{10, 44} << 10 << 44;
    }
    void pinochleTakesTheLowerCopies()
    {
        QFETCH(QList<int>, hand);
        QFETCH(int, jack);
        QFETCH(int, queen);
        TestTable t;
        OpenMeldTurn(t, SuitClubs);
        for (int i : hand)
            t.g.Cards[i].Location = LocPlayerHand;
        MeldPinochle(t.g, SidePlayer);
        QVERIFY(t.g.MeldMade);
        QVERIFY(t.g.PinochleMeldedP);
        for (int i : hand)
            QCOMPARE(t.g.Cards[i].InPinochle, i == jack || i == queen);
        QCOMPARE(t.g.Table.PicCard[jack].Left, 5610);
        QCOMPARE(t.g.Table.PicCard[queen].Left, 5960);
        QCOMPARE(t.g.Table.PicCard[queen].Top, 6405);
        QCOMPARE(t.g.Table.StatusBar[2].Text, std::string("Ann scores 40 for Single Pinochle"));
        QCOMPARE(t.g.TotalScoreP, int16_t(40));
    }

    void refusedOnceMelded_data()
    {
        QTest::addColumn<QString>("meld");
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("dbl");
        QTest::addColumn<QString>("prompt");
        const QString single = " you have already melded a Pinochle. Please try again or click cancel to receive another card.";
        const QString dbl = " you have already melded a Double Pinochle. Please try again or click cancel to receive another card.";
        QTest::newRow("second Pinochle") << "pinochle" << true << false << single;
        QTest::newRow("Pinochle after the double") << "pinochle" << false << true << single;
        QTest::newRow("second double") << "double" << false << true << dbl;
        QTest::newRow("second double after a single") << "double" << true << true << dbl;
    }
    void refusedOnceMelded()
    {
        QFETCH(QString, meld);
        QFETCH(bool, single);
        QFETCH(bool, dbl);
        QFETCH(QString, prompt);
        for (int who : {SidePlayer, SideComputer}) {
            TestTable t;
            OpenMeldTurn(t, SuitClubs);
            t.Put(who == SidePlayer ? LocPlayerHand : LocComputerHand, {9, 10, 43, 44});
            (who == SidePlayer ? t.g.PinochleMeldedP : t.g.PinochleMeldedC) = single;
            (who == SidePlayer ? t.g.DblPinochleMeldedP : t.g.DblPinochleMeldedC) = dbl;
            t.g.Table.LblLastMeldP.Caption = t.g.Table.LbllLastMeldC.Caption = "40";
            const auto before = t.g.Cards;
            Attempt(t.g, meld, who);
            QVERIFY(!t.g.MeldMade);
            QVERIFY(SameCards(t.g, before));
            QCOMPARE(t.g.Table.LblLastMeldP.Caption, std::string("40"));
            QCOMPARE(t.g.Table.LbllLastMeldC.Caption, std::string("40"));
            QCOMPARE(t.Now(), uint64_t(0));
            if (who == SidePlayer) {
                QCOMPARE(t.plat.Dialogs.size(), size_t(1));
                QCOMPARE(t.plat.Dialogs[0].Title, std::string("Already Melded"));
                QCOMPARE(t.plat.Dialogs[0].Button1, std::string("Right"));
                QCOMPARE(t.plat.Dialogs[0].Prompt, "Ann" + prompt.toStdString());
                QVERIFY(t.g.PlayerToMeld);
            } else {
                QVERIFY(t.plat.Dialogs.empty());
            }
        }
    }

    void doublePinochlePoints_data()
    {
        QTest::addColumn<int>("who");
        QTest::addColumn<bool>("singleFirst");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("status");
        QTest::newRow("user, alone") << 1 << false << 500 << "Ann scores 500 for Double Pin ";
        QTest::newRow("user, after a single") << 1 << true << 460 << "Ann scores 460 for Double Pin ";
        QTest::newRow("computer, alone") << 2 << false << 500 << "Bot scores 500 for Double Pin ";
        QTest::newRow("computer, after a single") << 2 << true << 460 << "Bot scores 460 for Double Pin ";
    }
    void doublePinochlePoints()
    {
        QFETCH(int, who);
        QFETCH(bool, singleFirst);
        QFETCH(int, points);
        QFETCH(QString, status);
        TestTable t;
        OpenMeldTurn(t, SuitClubs);
        const bool user = who == SidePlayer;
        t.Put(user ? LocPlayerHand : LocComputerHand, {9, 10, 43, 44, 48});
        if (singleFirst) {
            MeldPinochle(t.g, who);
            QVERIFY(t.g.MeldMade);
        }
        const int16_t before = user ? t.g.TotalScoreP : t.g.TotalScoreC;
        t.g.PlayerToMeld = true;
        MeldDoublePinochle(t.g, who);
        QVERIFY(t.g.MeldMade);
        QVERIFY(user ? t.g.DblPinochleMeldedP : t.g.DblPinochleMeldedC);
        QCOMPARE(int((user ? t.g.TotalScoreP : t.g.TotalScoreC) - before), points);
        QCOMPARE((user ? t.g.Table.LblLastMeldP : t.g.Table.LbllLastMeldC).Caption, std::to_string(points));
        QCOMPARE(QString::fromStdString(t.g.Table.StatusBar[2].Text), status);
        // The double reuses the single's cards and lays out all four in one row.
        const int top = user ? 6405 : 2250;
        const int order[] = {9, 10, 43, 44};
        for (int n = 0; n < 4; ++n) {
            const CardInfo& c = t.g.Cards[order[n]];
            QVERIFY(c.InDoublePinochle && c.DblPinochleMark && c.DblPinochleUsed && c.Melded);
            QCOMPARE(t.g.Table.PicCard[order[n]].Left, 5610 + 330 * n);
            QCOMPARE(t.g.Table.PicCard[order[n]].Top, top);
            QCOMPARE(t.g.Table.PicCard[order[n]].Picture, int16_t(order[n]));
        }
        QCOMPARE(t.g.Cards[9].InPinochle && t.g.Cards[43].InPinochle, singleFirst);
        QCOMPARE(user, !t.g.PlayerToMeld);
    }

    void notices_data()
    {
        QTest::addColumn<QString>("meld");
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        // Hearts are trumps throughout.
        const QString suitText = " sorry, you do not appear to have a %1 of that suit. Please try again or click Cancel to receive a card";
        QTest::newRow("run without the Jack") << "run" << QList<int>{25, 27, 29, 31, 35, 9} << "No Run" << "Oh Dear"
                                              << " sorry, you do appear to have a run.Please try again, or Cancel to receive a card.";
        QTest::newRow("run outside trumps") << "run" << QList<int>{37, 39, 41, 43, 45} << "No Run" << "Oh Dear"
                                            << " sorry, you do appear to have a run.Please try again, or Cancel to receive a card.";
        QTest::newRow("Kings without Diamonds") << "kings" << QList<int>{17, 29, 41} << "No Diamond" << "Oh Dear"
                                                << suitText.arg("Diamond");
        QTest::newRow("Kings without Clubs or Spades") << "kings" << QList<int>{5, 29} << "No Club" << "Oh Dear"
                                                       << suitText.arg("Club");
        QTest::newRow("Aces without Hearts") << "aces" << QList<int>{1, 13, 37, 38} << "No Heart" << "Oh Dear"
                                             << suitText.arg("Heart");
        QTest::newRow("Jacks without Spades") << "jacks" << QList<int>{9, 21, 33} << "No Spade" << "Oh Dear"
                                              << suitText.arg("Spade");
        QTest::newRow("Queens without Spades") << "queens" << QList<int>{7, 8, 19, 31} << "No Spade" << "Oh Dear"
                                               << suitText.arg("Spade");
        QTest::newRow("marriage without the King") << "marriage2" << QList<int>{19, 20} << "No King." << "Oh Dear"
                                                   << suitText.arg("King");
        QTest::newRow("marriage without the Queen") << "marriage4" << QList<int>{41, 42, 19} << "No Queen." << "Oh Dear"
                                                    << suitText.arg("Queen");
        QTest::newRow("Pinochle without a Queen of Spades")
            << "pinochle" << QList<int>{9, 10, 41} << " No Pinochle" << "Oh Dear"
            << " sorry, you do not have a Single Pinochle. Make different Meld or click Cancel to receive card.";
        QTest::newRow("double with three of the cards")
            << "double" << QList<int>{9, 10, 43} << "No Double Pinochle" << "Oh Dear"
            << " sorry, you do not have a Double Pinochle. Try again or click Cancel to receive a card";
        QTest::newRow("Dix without a Nine of trumps")
            << "dix" << QList<int>{11, 12, 47, 48} << "No Nine" << "Right"
            << " sorry, you do not have a Nine to Dix. Please try again or click Cancel to receive a new card";
    }
    void notices()
    {
        QFETCH(QString, meld);
        QFETCH(QList<int>, hand);
        QFETCH(QString, title);
        QFETCH(QString, button);
        QFETCH(QString, text);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        for (int i : hand)
            t.g.Cards[i].Location = LocPlayerHand;
        t.g.UpCard = 26;
        t.g.Cards[26].Location = LocUpCard;
        t.g.TotalScoreP = 120;
        t.g.Table.LblLastMeldP.Caption = "40";
        const auto before = t.g.Cards;
        const std::string status = t.g.Table.StatusBar[2].Text;
        Attempt(t.g, meld, SidePlayer);

        QVERIFY(!t.g.MeldMade);
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        const MessageDialogRequest& d = t.plat.Dialogs[0];
        QCOMPARE(QString::fromStdString(d.Prompt), "Ann" + text);
        QCOMPARE(QString::fromStdString(d.Button1), button);
        QCOMPARE(d.Button2, std::string());
        QCOMPARE(d.Button3, std::string());
        QCOMPARE(d.Icon, IconCards);
        QCOMPARE(QString::fromStdString(d.Title), title);
        // Nothing changes, but that a missed double still books its pending 0.
        QVERIFY(SameCards(t.g, before));
        QCOMPARE(t.g.TotalScoreP, int16_t(120));
        QCOMPARE(t.g.Table.LblLastMeldP.Caption, std::string(meld == "double" ? "0" : "40"));
        QCOMPARE(t.g.Table.StatusBar[2].Text, status);
        QCOMPARE(t.g.UpCard, int16_t(26));
        QVERIFY(t.g.PlayerToMeld);
        QVERIFY(t.g.Table.FramDeclare.Visible);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
        QCOMPARE(t.Now(), uint64_t(0));
    }

    void secondFourOfAKindNeedsTheOtherCopies_data()
    {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<QString>("secondTitle");
        QTest::newRow("all eight Kings") << QList<int>{5, 6, 17, 18, 29, 30, 41, 42} << "";
        QTest::newRow("one King of Hearts") << QList<int>{5, 6, 17, 18, 29, 41, 42} << "No Heart";
    }
    void secondFourOfAKindNeedsTheOtherCopies()
    {
        QFETCH(QList<int>, hand);
        QFETCH(QString, secondTitle);
        TestTable t;
        OpenMeldTurn(t, SuitClubs);
        for (int i : hand)
            t.g.Cards[i].Location = LocPlayerHand;
        MeldFours(t.g, SidePlayer, ValueKing);
        QVERIFY(t.g.MeldMade);
        for (int i : {5, 17, 29, 41})
            QVERIFY(t.g.Cards[i].InFourKings && t.g.Cards[i].FoursUsed);
        t.g.PlayerToMeld = true;
        MeldFours(t.g, SidePlayer, ValueKing);
        QCOMPARE(t.g.MeldMade, secondTitle.isEmpty());
        QCOMPARE(t.g.TotalScoreP, int16_t(secondTitle.isEmpty() ? 160 : 80));
        if (!secondTitle.isEmpty())
            QCOMPARE(QString::fromStdString(t.plat.Dialogs.back().Title), secondTitle);
        else
            for (int n = 0; n < hand.size(); ++n)  // one row of eight, in index order
                QCOMPARE(t.g.Table.PicCard[hand[n]].Left, 2000 + 330 * n);
    }

    void userMeldsPacedAndTurnEnded_data()
    {
        QTest::addColumn<QString>("meld");
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<std::vector<int>>("waits");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("points");
        // Speed 100: each presented card holds 2 x 350, the run and marriage rows 100 a card,
        // every row closes with 300. Hearts are trumps; the up card is the second Ace of Hearts.
        QTest::newRow("run") << "run" << QList<int>{25, 27, 29, 31, 33, 48}
                             << Join({Repeat(350, 10), Repeat(100, 5), {300}}) << "Annscores for run 150" << 150;
        QTest::newRow("four Aces") << "aces" << QList<int>{1, 13, 25, 37, 48} << Join({Repeat(350, 8), {300}})
                                   << "Ann scores 100 for 4 Aces" << 100;
        QTest::newRow("four Kings") << "kings" << QList<int>{5, 17, 29, 41, 48} << Join({Repeat(350, 8), {300}})
                                    << "Ann scores 80 for 4 Kings" << 80;
        QTest::newRow("four Queens") << "queens" << QList<int>{7, 19, 31, 43, 48} << Join({Repeat(350, 8), {300}})
                                     << "Ann scores 60 for 4 Queens" << 60;
        QTest::newRow("four Jacks") << "jacks" << QList<int>{9, 21, 33, 45, 48} << Join({Repeat(350, 8), {300}})
                                    << "Ann scores 40 for 4 Jacks" << 40;
        QTest::newRow("marriage keeps the status") << "marriage4" << QList<int>{41, 43, 48}
                                                   << Join({Repeat(350, 4), {100, 100, 300}})
                                                   << "Ann click Meld to make or Cancel to receive card." << 20;
        QTest::newRow("Pinochle") << "pinochle" << QList<int>{9, 43, 48} << Join({Repeat(350, 4), {300}})
                                  << "Ann scores 40 for Single Pinochle" << 40;
        QTest::newRow("double Pinochle") << "double" << QList<int>{9, 10, 43, 44, 48} << Join({Repeat(350, 8), {300}})
                                         << "Ann scores 500 for Double Pin " << 500;
        QTest::newRow("Dix exchanged") << "dix" << QList<int>{35, 48} << std::vector<int>{1100}
                                       << "Ann melded Dix for 10 points." << 10;
    }
    void userMeldsPacedAndTurnEnded()
    {
        QFETCH(QString, meld);
        QFETCH(QList<int>, hand);
        QFETCH(std::vector<int>, waits);
        QFETCH(QString, status);
        QFETCH(int, points);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        for (int i : hand)
            t.g.Cards[i].Location = LocPlayerHand;
        t.g.UpCard = 26;
        t.Put(LocUpCard, {26});
        PaceLog log(t);
        const uint64_t t0 = t.Now();
        Attempt(t.g, meld, SidePlayer);

        QVERIFY(t.g.MeldMade);
        QCOMPARE(log.Lengths(), waits);
        int total = 0;
        for (int w : waits)
            total += w;
        QCOMPARE(int(t.Now() - t0), total);
        QCOMPARE(QString::fromStdString(t.g.Table.StatusBar[2].Text), status);
        QCOMPARE(t.g.Table.LblLastMeldP.Caption, std::to_string(points));
        QCOMPARE(int(t.g.TotalScoreP), points);
        QCOMPARE(t.g.LastMeldP, int16_t(0));
        QVERIFY(!t.g.PlayerToMeld);
        QVERIFY(!t.g.Table.FramDeclare.Visible);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
        // The Nine of Spades is the one card left in the hand's row.
        QCOMPARE(t.g.Table.PicCard[48].Left, 2500);
        QCOMPARE(t.g.Table.PicCard[48].Top, 10080);
        for (int i : hand)
            QCOMPARE(t.g.Cards[i].Location == LocPlayerHand, i != 35);
    }

    void dixLaidDownBesideTheRows_data()
    {
        QTest::addColumn<int>("who");
        QTest::addColumn<bool>("upCardIsNine");
        QTest::addColumn<int>("top");
        QTest::addColumn<std::vector<int>>("waits");
        QTest::addColumn<QString>("status");
        QTest::newRow("user, a Nine turned up") << 1 << true << 8400 << std::vector<int>{350, 350, 100}
                                                << "Ann melded Dix for 10 points";
        QTest::newRow("computer, a Nine turned up") << 2 << true << 3000 << std::vector<int>{350, 350}
                                                    << "Bot melded Dix for 10 points";
        // After the choice of the last card the up card lies in a hand: no exchange then.
        QTest::newRow("user, up card taken") << 1 << false << 8400 << std::vector<int>{350, 350, 100}
                                             << "Ann melded Dix for 10 points";
        QTest::newRow("computer, up card taken") << 2 << false << 3000 << std::vector<int>{350, 350}
                                                 << "Bot melded Dix for 10 points";
    }
    void dixLaidDownBesideTheRows()
    {
        QFETCH(int, who);
        QFETCH(bool, upCardIsNine);
        QFETCH(int, top);
        QFETCH(std::vector<int>, waits);
        QFETCH(QString, status);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        const int hand = who == SidePlayer ? LocPlayerHand : LocComputerHand;
        const int otherHand = who == SidePlayer ? LocComputerHand : LocPlayerHand;
        // Twelve cards a side; the melding side holds the Nine of Hearts 36.
        t.Put(hand, {36, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        t.Put(otherHand, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24});
        if (upCardIsNine) {
            t.g.UpCard = 35;
            t.Put(LocUpCard, {35});
            t.g.Cards[35].Melded = true;
        } else {
            t.g.UpCard = 25;  // the Ace of Hearts, handed to the other side at the end of the stock
            t.Put(otherHand, {25});
            t.Put(LocPlayed, {24});  // that side played a card for it
        }
        const auto before = t.g.Cards;
        PaceLog log(t);
        MeldDix(t.g, who);

        QVERIFY(t.g.MeldMade);
        const CardInfo& nine = t.g.Cards[36];
        QCOMPARE(nine.Location, hand);
        QVERIFY(nine.Melded && nine.DixShown && nine.DixUsed && !nine.DixExchanged);
        QCOMPARE(t.g.Table.PicCard[36].Left, 8820);
        QCOMPARE(t.g.Table.PicCard[36].Top, top);
        QCOMPARE(t.g.Table.PicCard[36].Picture, int16_t(36));
        // Presented in slot 1 first.
        QCOMPARE(log.Waits[0].Boxes[36].Left, 3600);
        QCOMPARE(log.Lengths(), waits);
        QCOMPARE(QString::fromStdString(t.g.Table.StatusBar[2].Text), status);
        QCOMPARE((who == SidePlayer ? t.g.Table.LblLastMeldP : t.g.Table.LbllLastMeldC).Caption, std::string("10"));
        QCOMPARE(t.g.UpCard, before[35].Location == LocUpCard ? int16_t(35) : int16_t(25));
        QCOMPARE(t.g.TrumpSuit, SuitHearts);
        for (int i = 1; i <= CardCount; ++i)
            QCOMPARE(t.g.Cards[i].Location, before[i].Location);
        QCOMPARE(CountAt(t.g, LocPlayerHand), 12);
        QCOMPARE(CountAt(t.g, LocComputerHand), 12);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void dixExchangedForTheUpCard_data()
    {
        QTest::addColumn<int>("who");
        QTest::newRow("user") << 1;
        QTest::newRow("computer") << 2;
    }
    void dixExchangedForTheUpCard()
    {
        QFETCH(int, who);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        const int hand = who == SidePlayer ? LocPlayerHand : LocComputerHand;
        t.Put(hand, {35, 36, 1});
        t.Put(LocStock, {40, 41, 42});
        t.g.UpCard = 25;
        t.Put(LocUpCard, {25});
        t.g.Table.PicCard[25] = CardBox{25, 100, 100, true, 0};
        t.g.Table.PicCard[35] = CardBox{int16_t(who == 1 ? 35 : ImageBack), 2500, who == 1 ? 10080 : 120, true, 0};
        PaceLog log(t);
        MeldDix(t.g, who);

        QVERIFY(t.g.MeldMade);
        const CardInfo& nine = t.g.Cards[35];
        QCOMPARE(nine.Location, LocUpCard);
        QVERIFY(nine.DixExchanged && nine.DixUsed && !nine.Melded && !nine.DixShown);
        QCOMPARE(t.g.Cards[36].Location, hand);
        QVERIFY(!t.g.Cards[36].DixUsed);
        QCOMPARE(t.g.Cards[25].Location, hand);
        QCOMPARE(t.g.UpCard, int16_t(35));
        QCOMPARE(t.g.TrumpSuit, SuitHearts);
        // One wait of Speed + 1000 while both cards are on their way.
        QCOMPARE(log.Lengths(), std::vector<int>{1100});
        const auto& on = log.Waits[0].Boxes;
        QCOMPARE(std::make_pair(on[35].Left, on[35].Top), std::make_pair(4110, 2295));
        QCOMPARE(on[35].Picture, int16_t(35));
        QCOMPARE(std::make_pair(on[25].Left, on[25].Top), std::make_pair(2670, 2070));
        // Then the Nine lies face up at the up card's place, under the stock.
        const CardBox& box = t.g.Table.PicCard[35];
        QCOMPARE(std::make_pair(box.Left, box.Top), std::make_pair(100, 100));
        QCOMPARE(box.Picture, int16_t(35));
        QVERIFY(t.g.Table.PicCard[40].Z > box.Z);
        QCOMPARE(t.g.Table.PicCard[25].Top, who == SidePlayer ? 10080 : 120);
        QCOMPARE(t.g.Table.PicCard[25].Picture, who == SidePlayer ? int16_t(25) : ImageBack);
        QCOMPARE(t.g.Table.StatusBar[2].Text,
                 std::string(who == SidePlayer ? "Ann" : "Bot") + " melded Dix for 10 points.");
        QCOMPARE(who == SidePlayer ? t.g.TotalScoreP : t.g.TotalScoreC, int16_t(10));
        QCOMPARE(t.g.PauseLength, t.g.Speed);

        // The up card is a Nine now: the other Nine is laid down.
        t.g.PlayerToMeld = true;
        MeldDix(t.g, who);
        QVERIFY(t.g.MeldMade);
        QVERIFY(t.g.Cards[36].DixShown);
        QCOMPARE(t.g.Cards[36].Location, hand);
        QCOMPARE(t.g.UpCard, int16_t(35));
    }

    void exchangedNineIsNotMeldedAgain()
    {
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.Put(LocPlayerHand, {35, 1});
        t.g.UpCard = 25;
        t.Put(LocUpCard, {25});
        MeldDix(t.g, SidePlayer);
        QVERIFY(t.g.MeldMade);
        // The end of the stock hands the Nine, now the up card, back to the user.
        t.g.Cards[35].Location = LocPlayerHand;
        t.g.PlayerToMeld = true;
        MeldDix(t.g, SidePlayer);
        QVERIFY(!t.g.MeldMade);
        QCOMPARE(t.plat.Dialogs.back().Title, std::string("No Nine"));
        QCOMPARE(t.g.TotalScoreP, int16_t(10));
    }

    void dealtNineKeepsItsMark()
    {
        // A Nine turned up at the deal carries Melded into the hand that takes it: no Dix.
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.Put(LocPlayerHand, {35});
        t.g.Cards[35].Melded = true;
        t.g.UpCard = 35;
        MeldDix(t.g, SidePlayer);
        QVERIFY(!t.g.MeldMade);
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
    }
};

QTEST_APPLESS_MAIN(MeldsTest)
#include "test_melds.moc"
