#pragma once
// A table for the computer's card choices: the given cards in its hand, the led card on the
// table, every other card in the user's hand or the stock, so that a choice looking beyond the
// computer's own hand shows up.
#include <QList>
#include <QtTest>
#include <array>

#include "tests/support/TestTable.h"

struct ChoiceTable : TestTable {
    // led 0: the computer leads; otherwise the user has led that card.
    ChoiceTable(const QList<int>& hand, int trump, int led, bool inRound1)
    {
        for (int i = 1; i <= CardCount; ++i)
            g.Cards[i].Location = i % 2 ? LocPlayerHand : LocStock;
        for (int i : hand)
            g.Cards[i].Location = LocComputerHand;
        g.GameInProgress = true;
        g.InRound1 = inRound1;
        g.InRound2 = !inRound1;
        g.TrumpSuit = trump;
        g.Turn = led ? SidePlayer : SideComputer;
        if (led) {
            g.Cards[led].Location = LocPlayed;
            g.TrickCard1 = static_cast<int16_t>(led);
            g.TrickSuit1 = g.Cards[led].Suit;
        }
        g.PauseLength = g.Speed;
        for (int i = 1; i <= CardCount; ++i)
            before[i] = g.Cards[i].Location;
    }

    // A choice moves nothing, shows nothing and takes no time.
    void VerifyUntouched() const
    {
        for (int i = 1; i <= CardCount; ++i)
            QCOMPARE(g.Cards[i].Location, before[i]);
        QCOMPARE(Now(), uint64_t(0));
        QCOMPARE(plat.ProcessEventsCalls, uint64_t(0));
        QVERIFY(plat.Dialogs.empty());
        QCOMPARE(g.PauseLength, g.Speed);
    }

    std::array<int32_t, CardCount + 1> before{};
};

using ChooseCard = int16_t (*)(Game&);

// Columns shared by the choice tests: the computer's hand, trumps, the led card (0 when the
// computer leads) and the card it must play.
inline void ChoiceColumns()
{
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<int>("trump");
    QTest::addColumn<int>("led");
    QTest::addColumn<int>("expected");
}

// One row of ChoiceColumns: the card is chosen quietly and nothing else happens.
inline void CheckChoice(ChooseCard choose, bool inRound1)
{
    QFETCH(QList<int>, hand);
    QFETCH(int, trump);
    QFETCH(int, led);
    QFETCH(int, expected);
    ChoiceTable t(hand, trump, led, inRound1);
    QCOMPARE(choose(t.g), int16_t(expected));
    QVERIFY(t.plat.MsgBoxes.empty());
    t.VerifyUntouched();
}

// No game, or a hand with nothing in it: no card, and a message only for the empty hand.
inline void NoCardRows()
{
    QTest::addColumn<bool>("inProgress");
    QTest::addColumn<int>("led");
    QTest::addColumn<QList<int>>("hand");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no game, leading") << false << 0 << QList<int>{1, 2, 13} << false;
    QTest::newRow("no game, answering") << false << 15 << QList<int>{13} << false;
    QTest::newRow("no game, empty hand") << false << 15 << QList<int>{} << false;
    QTest::newRow("empty hand, leading") << true << 0 << QList<int>{} << true;
    QTest::newRow("empty hand, answering") << true << 15 << QList<int>{} << true;
}
inline void CheckNoCard(ChooseCard choose, bool inRound1, const std::string& message)
{
    QFETCH(bool, inProgress);
    QFETCH(int, led);
    QFETCH(QList<int>, hand);
    QFETCH(bool, shown);
    ChoiceTable t(hand, SuitHearts, led, inRound1);
    t.g.GameInProgress = inProgress;
    QCOMPARE(choose(t.g), int16_t(0));
    QCOMPARE(t.plat.MsgBoxes, shown ? std::vector<std::string>{message} : std::vector<std::string>{});
    t.VerifyUntouched();
}
