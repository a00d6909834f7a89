// The computer's card while the stock lasts: its lead, its answer, the pair finders and its
// cheapest card. Card indexes: Diamonds 1-12, Clubs 13-24, Hearts 25-36, Spades 37-48, each
// suit Ace, Ace, Ten, Ten, King, King, Queen, Queen, Jack, Jack, Nine, Nine.
#include <QtTest>

#include "engine/computer/ComputerRound1.h"
#include "tests/engine/computer/ComputerTestTable.h"

class ComputerRound1Test : public QObject {
    Q_OBJECT
private slots:
    void lead_data()
    {
        ChoiceColumns();
        const int D = SuitDiamonds, C = SuitClubs, H = SuitHearts, S = SuitSpades;
        QTest::newRow("Ace pairs: Clubs before Hearts") << QList<int>{25, 26, 13, 14, 23} << S << 0 << 13;
        QTest::newRow("Ace pair before Ten pair") << QList<int>{3, 4, 37, 38} << H << 0 << 37;
        QTest::newRow("trump Ace pair led like any other") << QList<int>{25, 26, 23} << H << 0 << 25;
        QTest::newRow("one Ace is no pair; Ten pair before Nine") << QList<int>{1, 15, 16, 11} << H << 0 << 15;
        QTest::newRow("non-trump Nine, trump Nine passed over") << QList<int>{11, 23, 45, 46} << D << 0 << 23;
        QTest::newRow("Jack pairs: Spades first") << QList<int>{21, 22, 45, 46, 35} << H << 0 << 45;
        QTest::newRow("Jacks of Diamonds are no pair") << QList<int>{9, 10, 19, 20} << H << 0 << 19;
        QTest::newRow("Queen pair before King pair") << QList<int>{5, 6, 31, 32} << C << 0 << 31;
        QTest::newRow("Queens of Spades are no pair") << QList<int>{43, 44, 17, 18} << H << 0 << 17;
        QTest::newRow("King pair") << QList<int>{41, 42, 9, 43} << H << 0 << 41;
        QTest::newRow("plain card keeps the Pinochle cards")
            << QList<int>{1, 9, 10, 29, 43, 44} << C << 0 << 29;
        QTest::newRow("plain card: Clubs before Hearts") << QList<int>{1, 15, 27} << S << 0 << 15;
        QTest::newRow("plain card is not a trump") << QList<int>{15, 27} << C << 0 << 27;
        QTest::newRow("no plain card: first non-trump") << QList<int>{21, 31, 3, 37} << S << 0 << 3;
        QTest::newRow("only Diamonds and Spades: highest Diamond")
            << QList<int>{39, 43, 9, 1} << H << 0 << 1;
        QTest::newRow("only trumps: first card") << QList<int>{35, 27} << H << 0 << 27;
        QTest::newRow("a single Diamond trump left") << QList<int>{11} << D << 0 << 11;
    }
    void lead() { CheckChoice(&ChooseComputerCardRound1, true); }

    void answer_data()
    {
        ChoiceColumns();
        const int C = SuitClubs, H = SuitHearts, S = SuitSpades;
        QTest::newRow("Ten of Clubs led, Ace of Clubs held") << QList<int>{13, 23} << H << 15 << 13;
        QTest::newRow("beats a Queen with the King") << QList<int>{17, 21, 23} << H << 19 << 17;
        QTest::newRow("a Queen never beats") << QList<int>{19, 23} << H << 21 << 23;
        QTest::newRow("an equal Ace does not beat") << QList<int>{14, 23} << H << 13 << 23;
        QTest::newRow("never beats with Queen or Jack; Nine thrown though a trump would win")
            << QList<int>{31, 33, 23, 37} << S << 35 << 23;
        QTest::newRow("Nine of another suit than the lead") << QList<int>{11, 17} << H << 13 << 11;
        QTest::newRow("trump Ten before trump King") << QList<int>{19, 27, 29, 33} << H << 13 << 27;
        QTest::newRow("no trump Nine, Jack or Queen to win; trump Jack is cheapest")
            << QList<int>{31, 33, 35, 17} << H << 13 << 33;
        QTest::newRow("trump led: higher trump Ace beats") << QList<int>{15, 25} << H << 29 << 25;
        QTest::newRow("trump led: no trump thrown to win") << QList<int>{27, 17} << H << 25 << 17;
        QTest::newRow("Pinochle cards kept, trump King given") << QList<int>{3, 9, 29, 43} << H << 25 << 29;
        QTest::newRow("only Pinochle cards and a trump Nine: first card")
            << QList<int>{43, 35, 9} << H << 25 << 9;
        QTest::newRow("cheapest: King before Ten before Ace") << QList<int>{1, 3, 29} << C << 13 << 29;
        QTest::newRow("cheapest: Ten before Ace") << QList<int>{1, 3} << C << 13 << 3;
    }
    void answer() { CheckChoice(&ChooseComputerCardRound1, true); }

    void pairFinders_data()
    {
        QTest::addColumn<QString>("finder");
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("expected");
        QTest::newRow("Aces, Diamonds first") << "aces" << QList<int>{37, 38, 1, 2} << 1;
        QTest::newRow("Aces, Spades last") << "aces" << QList<int>{37, 38, 25} << 37;
        QTest::newRow("Tens, Hearts before Spades") << "tens" << QList<int>{39, 40, 27, 28} << 27;
        QTest::newRow("Tens, none") << "tens" << QList<int>{3, 16} << 0;
        QTest::newRow("Kings, Clubs") << "kings" << QList<int>{41, 42, 17, 18} << 17;
        QTest::newRow("Queens, Diamonds") << "queens" << QList<int>{31, 32, 7, 8} << 7;
        QTest::newRow("Queens, never Spades") << "queens" << QList<int>{43, 44} << 0;
        QTest::newRow("Jacks, Clubs before Hearts") << "jacks" << QList<int>{33, 34, 21, 22} << 21;
        QTest::newRow("Jacks, never Diamonds") << "jacks" << QList<int>{9, 10} << 0;
    }
    void pairFinders()
    {
        QFETCH(QString, finder);
        QFETCH(QList<int>, hand);
        QFETCH(int, expected);
        // Trumps make no difference to a pair; try every suit.
        for (int trump = SuitDiamonds; trump <= SuitSpades; ++trump) {
            ChoiceTable t(hand, trump, 0, true);
            int16_t got = -1;
            if (finder == "aces")
                got = ComputerHasBothAces(t.g);
            else if (finder == "tens")
                got = ComputerHasBothTens(t.g);
            else if (finder == "kings")
                got = ComputerHasBothKings(t.g);
            else if (finder == "queens")
                got = ComputerHasBothQueens(t.g);
            else
                got = ComputerHasBothJacks(t.g);
            QCOMPARE(got, int16_t(expected));
        }
    }

    void cheapest_data()
    {
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("trump");
        QTest::addColumn<bool>("inRound1");
        QTest::addColumn<int>("expected");
        const int C = SuitClubs, H = SuitHearts;
        QTest::newRow("non-trump Nine first") << QList<int>{1, 21, 35, 23} << H << true << 23;
        QTest::newRow("trump Nine kept, Jack given") << QList<int>{19, 21, 35} << H << true << 21;
        QTest::newRow("trump Jack before plain Queen") << QList<int>{19, 33} << H << true << 33;
        QTest::newRow("Jack of Diamonds kept while the stock lasts") << QList<int>{9, 19} << H << true << 19;
        QTest::newRow("Jack of Diamonds given afterwards") << QList<int>{9, 19} << H << false << 9;
        QTest::newRow("Queen of Spades kept while the stock lasts") << QList<int>{43, 17} << H << true << 17;
        QTest::newRow("Queen of Spades given afterwards") << QList<int>{43, 17} << H << false << 43;
        QTest::newRow("other Jack given before the held one") << QList<int>{9, 45} << C << true << 45;
        QTest::newRow("trump Nines only") << QList<int>{35, 36} << H << true << 35;
        QTest::newRow("Ace before a held Jack of Diamonds") << QList<int>{9, 13} << H << true << 13;
        QTest::newRow("held cards come last, first by index") << QList<int>{43, 9, 35} << H << true << 9;
        QTest::newRow("empty hand") << QList<int>{} << H << true << 0;
    }
    void cheapest()
    {
        QFETCH(QList<int>, hand);
        QFETCH(int, trump);
        QFETCH(bool, inRound1);
        QFETCH(int, expected);
        ChoiceTable t(hand, trump, 0, inRound1);
        QCOMPARE(CheapestComputerCard(t.g), int16_t(expected));
    }

    void meldedCardsAreChosenLikeAnyOther()
    {
        ChoiceTable t({13, 14, 23}, SuitHearts, 0, true);
        t.g.Cards[13].Melded = t.g.Cards[14].Melded = true;
        QCOMPARE(ChooseComputerCardRound1(t.g), int16_t(13));
    }

    void anyTurnButTheComputersAnswers()
    {
        // Only Turn 2 leads; the user's turn or a stray value answers the led card.
        for (int32_t turn : {SidePlayer, 0, 3}) {
            ChoiceTable t({17, 23}, SuitHearts, 19, true);
            t.g.Turn = turn;
            QCOMPARE(ChooseComputerCardRound1(t.g), int16_t(17));
        }
    }

    void noCard_data() { NoCardRows(); }
    void noCard() { CheckNoCard(&ChooseComputerCardRound1, true, " If you can read this something wrong, has not found a card"); }
};

QTEST_APPLESS_MAIN(ComputerRound1Test)
#include "test_computer_round1.moc"
