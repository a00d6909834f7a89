// The computer's meld turn: its order of trying, one meld at most, and what it leaves on the
// score board when nothing is there.
#include <QtTest>

#include "engine/computer/ComputerMeld.h"
#include "tests/support/MeldScene.h"

namespace {

void GiveComputer(TestTable& t, const QList<int>& cards)
{
    for (int i : cards) {
        t.g.Cards[i].Location = LocComputerHand;
        t.g.Table.PicCard[i] = CardBox{ImageBack, 9990, 120, true, 0};
    }
}

// The meld kinds whose flags some card has gained since the snapshot, in alphabetical order.
QString NewKinds(const Game& g, const std::array<CardInfo, 49>& before)
{
    QStringList kinds;
    auto kindsOf = [](const CardInfo& c) {
        return std::vector<std::pair<bool, const char*>>{
            {c.DixExchanged || c.DixShown, "dix"}, {c.InDoublePinochle, "double"}, {c.InPinochle, "pinochle"},
            {c.InMarriage, "marriage"},            {c.InFourAces, "aces"},        {c.InFourKings, "kings"},
            {c.InFourQueens, "queens"},            {c.InFourJacks, "jacks"},      {c.InRun, "run"}};
    };
    for (int i = 1; i <= CardCount; ++i) {
        const auto now = kindsOf(g.Cards[i]);
        const auto then = kindsOf(before[i]);
        for (size_t k = 0; k < now.size(); ++k)
            if (now[k].first && !then[k].first && !kinds.contains(now[k].second))
                kinds << now[k].second;
    }
    kinds.sort();
    return kinds.join(",");
}

}  // namespace

class ComputerMeldTest : public QObject {
    Q_OBJECT
private slots:
    void firstMeldInItsOrder_data()
    {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<QList<int>>("alreadyMarried");
        QTest::addColumn<bool>("pinochleDone");
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("label");
        // Hearts are trumps; the up card, the Ace of Hearts 25, lies in its place.
        QTest::newRow("Dix before the double") << QList<int>{9, 10, 43, 44, 36} << QList<int>{} << false << "dix" << "10";
        QTest::newRow("double before Pinochle and marriage")
            << QList<int>{9, 10, 43, 44, 41} << QList<int>{} << false << "double" << "500";
        QTest::newRow("Pinochle before the Spade marriage") << QList<int>{9, 43, 41} << QList<int>{} << false
                                                            << "pinochle" << "40";
        QTest::newRow("marriage before four Aces") << QList<int>{5, 7, 1, 13, 26, 37} << QList<int>{} << false
                                                   << "marriage" << "20";
        QTest::newRow("Aces before Kings") << QList<int>{1, 13, 26, 37, 5, 17, 29, 41} << QList<int>{} << false << "aces"
                                           << "100";
        QTest::newRow("Kings before Jacks") << QList<int>{5, 17, 29, 41, 9, 21, 33, 45} << QList<int>{} << false
                                            << "kings" << "80";
        QTest::newRow("Queens before Jacks") << QList<int>{8, 20, 32, 44, 10, 22, 34, 46} << QList<int>{} << true
                                             << "queens" << "60";
        QTest::newRow("Jacks before the run") << QList<int>{9, 21, 34, 45, 26, 27, 29, 31, 33} << QList<int>{29, 31}
                                              << false << "jacks" << "40";
        QTest::newRow("run last") << QList<int>{26, 27, 29, 31, 33} << QList<int>{29, 31} << false << "run" << "110";
    }
    void firstMeldInItsOrder()
    {
        QFETCH(QList<int>, hand);
        QFETCH(QList<int>, alreadyMarried);
        QFETCH(bool, pinochleDone);
        QFETCH(QString, made);
        QFETCH(QString, label);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.g.UpCard = 25;
        t.Put(LocUpCard, {25});
        GiveComputer(t, hand);
        for (int i : alreadyMarried)
            t.g.Cards[i].MarriageUsed = t.g.Cards[i].InMarriage = true;
        t.g.PinochleMeldedC = pinochleDone;
        const auto before = t.g.Cards;
        ComputerMeld(t.g);
        QVERIFY(t.g.MeldMade);
        QCOMPARE(NewKinds(t.g, before), made);
        QCOMPARE(QString::fromStdString(t.g.Table.LbllLastMeldC.Caption), label);
        QVERIFY(t.plat.Dialogs.empty());
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void marriagesDiamondsClubsSpadesHearts_data()
    {
        QTest::addColumn<int>("trumps");
        QTest::addColumn<QList<int>>("suits");
        QTest::addColumn<int>("married");
        QTest::addColumn<int>("points");
        QTest::newRow("Spades before trump Hearts") << SuitHearts << QList<int>{3, 4} << SuitSpades << 20;
        QTest::newRow("Diamonds before Clubs") << SuitSpades << QList<int>{2, 1} << SuitDiamonds << 20;
        QTest::newRow("Clubs before Spades and Hearts") << SuitDiamonds << QList<int>{3, 4, 2} << SuitClubs << 20;
        QTest::newRow("trump Hearts alone") << SuitHearts << QList<int>{3} << SuitHearts << 40;
        QTest::newRow("trump Clubs before Spades") << SuitClubs << QList<int>{4, 2} << SuitClubs << 40;
    }
    void marriagesDiamondsClubsSpadesHearts()
    {
        QFETCH(int, trumps);
        QFETCH(QList<int>, suits);
        QFETCH(int, married);
        QFETCH(int, points);
        TestTable t;
        OpenMeldTurn(t, trumps);
        // The second King and Queen of each suit: no Pinochle among them.
        for (int suit : suits)
            GiveComputer(t, {(suit - 1) * 12 + 6, (suit - 1) * 12 + 8});
        ComputerMeld(t.g);
        QVERIFY(t.g.MeldMade);
        for (int suit : suits)
            QCOMPARE(t.g.Cards[(suit - 1) * 12 + 6].InMarriage, suit == married);
        QCOMPARE(int(t.g.TotalScoreC), points);
        // Melded cards turn face up in the marriage row and stay in the hand.
        const int queen = (married - 1) * 12 + 8, king = (married - 1) * 12 + 6;
        QCOMPARE(t.g.Table.PicCard[king].Picture, int16_t(king));
        QCOMPARE(t.g.Table.PicCard[king].Top, 4650);
        QCOMPARE(t.g.Table.PicCard[king].Left, 2000);
        QCOMPARE(t.g.Table.PicCard[queen].Left, 2350);
        QCOMPARE(t.g.Cards[king].Location, LocComputerHand);
    }

    void lastMeldLabelAfterATurnWithoutAMeld_data()
    {
        QTest::addColumn<bool>("doubleDone");
        QTest::addColumn<QString>("label");
        QTest::newRow("double still to come") << false << "0";
        QTest::newRow("double melded earlier") << true << "40";
    }
    void lastMeldLabelAfterATurnWithoutAMeld()
    {
        QFETCH(bool, doubleDone);
        QFETCH(QString, label);
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        GiveComputer(t, {1, 3, 15, 27, 39, 47});
        t.g.DblPinochleMeldedC = doubleDone;
        t.g.Table.LbllLastMeldC.Caption = "40";
        t.g.TotalScoreC = 540;
        const auto before = t.g.Cards;
        ComputerMeld(t.g);
        QVERIFY(!t.g.MeldMade);
        QCOMPARE(QString::fromStdString(t.g.Table.LbllLastMeldC.Caption), label);
        QCOMPARE(t.g.TotalScoreC, int16_t(540));
        QVERIFY(SameCards(t.g, before));
        QVERIFY(t.plat.Dialogs.empty());
        QCOMPARE(t.Now(), uint64_t(0));
    }

    void oneMeldACall()
    {
        TestTable t;
        OpenMeldTurn(t, SuitHearts);
        t.g.UpCard = 25;
        t.Put(LocUpCard, {25});
        GiveComputer(t, {9, 10, 43, 44, 36});
        const char* labels[] = {"10", "500", "500"};
        const char* kinds[] = {"dix", "double", ""};
        for (int call = 0; call < 3; ++call) {
            const auto before = t.g.Cards;
            ComputerMeld(t.g);
            QCOMPARE(t.g.MeldMade, call < 2);
            QCOMPARE(t.g.Table.LbllLastMeldC.Caption, std::string(labels[call]));
            QCOMPARE(NewKinds(t.g, before), QString(kinds[call]));
        }
        QCOMPARE(t.g.TotalScoreC, int16_t(510));
    }

    void pinochleLeavesTheHandAsItLies_data()
    {
        QTest::addColumn<QString>("meld");
        QTest::addColumn<bool>("relaid");
        QTest::newRow("Pinochle") << "pinochle" << false;
        QTest::newRow("double") << "double" << false;
        QTest::newRow("marriage") << "marriage4" << true;
        QTest::newRow("four Jacks") << "jacks" << true;
    }
    void pinochleLeavesTheHandAsItLies()
    {
        QFETCH(QString, meld);
        QFETCH(bool, relaid);
        TestTable t;
        OpenMeldTurn(t, SuitClubs);
        GiveComputer(t, {9, 10, 21, 33, 43, 44, 45, 41, 1});
        Attempt(t.g, meld, SideComputer);
        QVERIFY(t.g.MeldMade);
        // The Ace of Diamonds is in no meld: it is laid out again only when the hand is.
        const CardBox& ace = t.g.Table.PicCard[1];
        QCOMPARE(ace.Left, relaid ? 2880 : 9990);
        QCOMPARE(ace.Picture, ImageBack);
        for (int i : {9, 43})
            QCOMPARE(t.g.Cards[i].Location, LocComputerHand);
    }
};

QTEST_APPLESS_MAIN(ComputerMeldTest)
#include "test_computer_meld.moc"
