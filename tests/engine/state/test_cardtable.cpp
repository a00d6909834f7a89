// The card table's fixed order and the draw from the stock.
#include <QtTest>

#include "engine/state/CardTable.h"
#include "tests/support/TestTable.h"

class CardTableTest : public QObject {
    Q_OBJECT
private slots:
    void fixedOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("suit");
        QTest::newRow("1") << 1 << "Ace of Diamonds" << 14 << 1;
        QTest::newRow("4") << 4 << "Ten of Diamonds" << 13 << 1;
        QTest::newRow("9") << 9 << "Jack of Diamonds" << 10 << 1;
        QTest::newRow("10") << 10 << "Jack of Diamonds" << 10 << 1;
        QTest::newRow("17") << 17 << "King of Clubs" << 12 << 2;
        QTest::newRow("32") << 32 << "Queen of Hearts" << 11 << 3;
        QTest::newRow("43") << 43 << "Queen of Spades" << 11 << 4;
        QTest::newRow("44") << 44 << "Queen of Spades" << 11 << 4;
        QTest::newRow("48") << 48 << "Nine of Spades" << 9 << 4;
    }
    void fixedOrder()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(int, suit);
        TestTable t;
        QCOMPARE(QString::fromStdString(t.g.Cards[index].Name), name);
        QCOMPARE(t.g.Cards[index].Value, value);
        QCOMPARE(t.g.Cards[index].Suit, suit);
    }

    void setUpCardsKeepsLocationsAndFlags()
    {
        TestTable t;
        t.g.Cards[5].Location = LocComputerHand;
        t.g.Cards[5].InMarriage = true;
        t.g.Cards[5].Melded = true;
        t.g.Speed = 250;
        t.g.PauseLength = 7;
        SetUpCards(t.g);
        QCOMPARE(t.g.Cards[5].Location, LocComputerHand);
        QVERIFY(t.g.Cards[5].InMarriage);
        QVERIFY(t.g.Cards[5].Melded);
        QCOMPARE(t.g.PauseLength, int16_t(250));
    }

    void oneCardLeftIsThatCard()
    {
        TestTable t;
        t.Put(LocStock, {48});
        for (int i = 0; i < 50; ++i)
            QCOMPARE(PickStockCard(t.g), int16_t(48));
        t.g.Cards[48].Location = LocPlayed;
        t.Put(LocStock, {1});
        t.plat.RndValues = {0.0, 0.999999};
        QCOMPARE(PickStockCard(t.g), int16_t(1));
        QCOMPARE(PickStockCard(t.g), int16_t(1));
    }

    void uniformOverAFullStock()
    {
        // Every card, 48 included, comes up as often as the others; index 0 never.
        TestTable t(12345);
        for (int i = 1; i <= CardCount; ++i)
            t.g.Cards[i].Location = LocStock;
        std::array<int, 49> seen{};
        constexpr int draws = 48 * 2000;
        for (int n = 0; n < draws; ++n) {
            const int16_t c = PickStockCard(t.g);
            QVERIFY(c >= 1 && c <= 48);
            ++seen[c];
        }
        QCOMPARE(seen[0], 0);
        for (int i = 1; i <= CardCount; ++i) {
            // 2000 expected; five standard deviations is about 220.
            QVERIFY2(seen[i] > 1780 && seen[i] < 2220, qPrintable(QString("card %1: %2").arg(i).arg(seen[i])));
        }
    }

    void drawsOnlyFromTheStock()
    {
        TestTable t(7);
        t.Put(LocStock, {2, 30, 47});
        for (int n = 0; n < 300; ++n) {
            const int16_t c = PickStockCard(t.g);
            QVERIFY(c == 2 || c == 30 || c == 47);
        }
        t.g.Cards[2].Location = t.g.Cards[30].Location = t.g.Cards[47].Location = LocPlayed;
        QCOMPARE(PickStockCard(t.g), int16_t(0));
    }
};

QTEST_APPLESS_MAIN(CardTableTest)
#include "test_cardtable.moc"
