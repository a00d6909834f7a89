// The computer's card once the stock is gone: it follows suit, else trumps, else gives its
// cheapest. Card indexes: Diamonds 1-12, Clubs 13-24, Hearts 25-36, Spades 37-48, each suit
// Ace, Ace, Ten, Ten, King, King, Queen, Queen, Jack, Jack, Nine, Nine.
#include <QtTest>

#include "engine/computer/ComputerRound2.h"
#include "tests/engine/computer/ComputerTestTable.h"

class ComputerRound2Test : public QObject {
    Q_OBJECT
private slots:
    void lead_data()
    {
        ChoiceColumns();
        const int D = SuitDiamonds, H = SuitHearts, S = SuitSpades;
        QTest::newRow("trump Ace before the Ace of Diamonds") << QList<int>{1, 37} << S << 0 << 37;
        QTest::newRow("no trump Ace: Ace of Clubs before Hearts") << QList<int>{25, 13, 39} << S << 0 << 13;
        QTest::newRow("no Ace: Ten of Hearts before Spades") << QList<int>{39, 27, 23} << D << 0 << 27;
        QTest::newRow("Ten before a trump King") << QList<int>{5, 15} << D << 0 << 15;
        QTest::newRow("no Ace or Ten: non-trump Nine") << QList<int>{17, 21, 23} << H << 0 << 23;
        QTest::newRow("trump Nine kept, trump Jack led") << QList<int>{19, 33, 35} << H << 0 << 33;
        QTest::newRow("Jack of Diamonds led now") << QList<int>{9, 17} << H << 0 << 9;
        QTest::newRow("Queen of Spades before a King") << QList<int>{5, 43} << H << 0 << 43;
        QTest::newRow("King") << QList<int>{41, 47} << S << 0 << 41;
        QTest::newRow("trump Nines only") << QList<int>{47, 48} << S << 0 << 47;
    }
    void lead() { CheckChoice(&ChooseComputerCardRound2, false); }

    void answer_data()
    {
        ChoiceColumns();
        const int C = SuitClubs, D = SuitDiamonds, H = SuitHearts;
        QTest::newRow("King of Hearts led: Ace of Hearts") << QList<int>{25, 35} << C << 29 << 25;
        QTest::newRow("Ace of Hearts led: Nine of Hearts") << QList<int>{27, 35} << C << 25 << 35;
        QTest::newRow("equal Ace does not beat") << QList<int>{26, 35} << C << 25 << 35;
        QTest::newRow("other Ace as only Heart") << QList<int>{13, 26} << C << 25 << 26;
        QTest::newRow("Queen beats a Jack") << QList<int>{19, 23} << H << 21 << 19;
        QTest::newRow("follows low rather than trump") << QList<int>{1, 21, 23} << D << 19 << 23;
        QTest::newRow("lowest: Ten below Ace") << QList<int>{13, 15} << D << 14 << 15;
        QTest::newRow("Club led, no Clubs: highest trump") << QList<int>{3, 11, 25} << D << 17 << 3;
        QTest::newRow("Club led, Ace and Nine of trumps") << QList<int>{1, 11, 25} << D << 17 << 1;
        QTest::newRow("no Club, no trump: cheapest") << QList<int>{25, 33} << D << 17 << 33;
        QTest::newRow("trump led, none held: non-trump Nine") << QList<int>{21, 23, 25} << D << 1 << 23;
        QTest::newRow("trump led, none held: Jack") << QList<int>{21, 25} << D << 1 << 21;
    }
    void answer() { CheckChoice(&ChooseComputerCardRound2, false); }

    void hasSuitAndLowestCard_data()
    {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("suit");
        QTest::addColumn<bool>("has");
        QTest::addColumn<int>("lowest");
        QTest::newRow("Nine lowest") << QList<int>{25, 27, 29, 31, 33, 35} << SuitHearts << true << 35;
        QTest::newRow("Jack next") << QList<int>{25, 27, 29, 31, 33} << SuitHearts << true << 33;
        QTest::newRow("Queen next") << QList<int>{25, 27, 29, 32} << SuitHearts << true << 32;
        QTest::newRow("King next") << QList<int>{25, 27, 30} << SuitHearts << true << 30;
        QTest::newRow("Ten below Ace") << QList<int>{13, 16} << SuitClubs << true << 16;
        QTest::newRow("Ace alone") << QList<int>{38, 1} << SuitSpades << true << 38;
        QTest::newRow("Jack of Diamonds not held back") << QList<int>{1, 9} << SuitDiamonds << true << 9;
        QTest::newRow("none of the suit") << QList<int>{1, 25, 37} << SuitClubs << false << 0;
        QTest::newRow("empty hand") << QList<int>{} << SuitHearts << false << 0;
    }
    void hasSuitAndLowestCard()
    {
        QFETCH(QList<int>, hand);
        QFETCH(int, suit);
        QFETCH(bool, has);
        QFETCH(int, lowest);
        // Held back or not in the first phase makes no difference to either.
        for (bool inRound1 : {false, true}) {
            ChoiceTable t(hand, SuitSpades, 0, inRound1);
            QCOMPARE(HasSuitComputer(t.g, suit), has);
            QCOMPARE(LowestCardOfSuit(t.g, suit), int16_t(lowest));
        }
    }

    void noCard_data() { NoCardRows(); }
    void noCard() { CheckNoCard(&ChooseComputerCardRound2, false, " Something wrong, no card found"); }
};

QTEST_APPLESS_MAIN(ComputerRound2Test)
#include "test_computer_round2.moc"
