// Melded cards on the table: the five presentation slots and each meld kind's row, with their
// exact waits on the virtual clock.
#include <QtTest>

#include <functional>

#include "engine/melds/MeldLayout.h"
#include "tests/support/PaceLog.h"

namespace {

using RowProc = void (*)(Game&, int32_t);

struct RowKind {
    RowProc Proc;
    bool CardInfo::*Flag;
};

RowKind KindNamed(const QString& name)
{
    if (name == "run")
        return {&LayOutRun, &CardInfo::InRun};
    if (name == "kings")
        return {&LayOutFours, &CardInfo::InFourKings};
    if (name == "aces")
        return {&LayOutFours, &CardInfo::InFourAces};
    if (name == "queens")
        return {&LayOutFours, &CardInfo::InFourQueens};
    if (name == "jacks")
        return {&LayOutFours, &CardInfo::InFourJacks};
    if (name == "double")
        return {&LayOutDoublePinochle, &CardInfo::InDoublePinochle};
    if (name == "pinochle")
        return {&LayOutPinochle, &CardInfo::InPinochle};
    return {&LayOutMarriages, &CardInfo::InMarriage};
}

int32_t HandOfSide(int who) { return who == SidePlayer ? LocPlayerHand : LocComputerHand; }

}  // namespace

class MeldLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void placeMeldCard_data()
    {
        QTest::addColumn<int>("who");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("user, slot 1") << 1 << 1 << 31 << 100 << 3600 << 8640;
        QTest::newRow("user, slot 3, fast") << 1 << 3 << 5 << 25 << 5760 << 8640;
        QTest::newRow("computer, slot 2, slow") << 2 << 2 << 29 << 250 << 4680 << 1680;
        QTest::newRow("computer, slot 4") << 2 << 4 << 41 << 100 << 6840 << 1680;
        QTest::newRow("computer, slot 5") << 2 << 5 << 1 << 100 << 7920 << 1680;
        QTest::newRow("slot 0 gives Left 0") << 1 << 0 << 9 << 100 << 0 << 8640;
        QTest::newRow("slot 6 gives Left 0") << 2 << 6 << 9 << 100 << 0 << 1680;
    }
    void placeMeldCard()
    {
        QFETCH(int, who);
        QFETCH(int, slot);
        QFETCH(int, card);
        QFETCH(int, speed);
        QFETCH(int, left);
        QFETCH(int, top);
        TestTable t;
        t.g.Speed = static_cast<int16_t>(speed);
        t.Put(HandOfSide(who), {card, 48});
        // The user's boxes show their faces already, the computer's their backs.
        for (int i : {card, 48})
            t.g.Table.PicCard[i] = CardBox{who == 1 ? int16_t(i) : ImageBack, 2500, 10080, true, 0};
        t.g.Table.BringToFront(48);
        PaceLog log(t);
        const uint64_t t0 = t.Now();
        PlaceMeldCard(t.g, who, static_cast<uint8_t>(slot), static_cast<int16_t>(card));

        QCOMPARE(int(t.Now() - t0), 2 * (speed + 250));
        QCOMPARE(log.Lengths(), (std::vector<int>{speed + 250, speed + 250}));
        // The sound starts with the first wait, and the card lies in its slot throughout.
        QCOMPARE(log.Waits[0].Sounds, size_t(1));
        QCOMPARE(log.Waits[1].Sounds, size_t(1));
        QCOMPARE(t.plat.Sounds, std::vector<std::string>{"carddeal1.wav"});
        for (const auto& w : log.Waits) {
            QCOMPARE(w.Boxes[card].Left, left);
            QCOMPARE(w.Boxes[card].Top, top);
            QCOMPARE(w.Boxes[card].Picture, int16_t(card));
        }
        QVERIFY(t.g.Table.PicCard[card].Z > t.g.Table.PicCard[48].Z);
        QCOMPARE(t.g.Cards[card].Location, HandOfSide(who));
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void placeMeldCardForNoSideOnlyResetsThePace()
    {
        TestTable t;
        t.Put(LocComputerHand, {12});
        t.g.Table.PicCard[12] = CardBox{ImageBack, 2880, 120, true, 0};
        t.g.PauseLength = 7;
        PlaceMeldCard(t.g, 3, 1, 12);
        QCOMPARE(t.Now(), uint64_t(0));
        QCOMPARE(t.g.Table.PicCard[12].Left, 2880);
        QCOMPARE(t.g.Table.PicCard[12].Picture, ImageBack);
        QVERIFY(t.plat.Sounds.empty());
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void rows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("who");
        QTest::addColumn<QList<int>>("flagged");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("firstLeft");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("pauseEach");
        const QList<int> tenHearts{34, 33, 32, 31, 30, 29, 28, 27, 26, 25};
        const QList<int> tenByValue{25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
        QTest::newRow("two runs, user") << "run" << 1 << tenHearts << tenByValue << 2000 << 330 << 6405 << true;
        QTest::newRow("two runs, computer") << "run" << 2 << tenHearts << tenByValue << 2000 << 330 << 2250 << true;
        QTest::newRow("one run of Spades") << "run" << 1 << QList<int>{46, 44, 42, 40, 38} << QList<int>{38, 40, 42, 44, 46}
                                           << 2000 << 330 << 6405 << true;
        QTest::newRow("four Kings, user") << "kings" << 1 << QList<int>{41, 29, 17, 5} << QList<int>{5, 17, 29, 41} << 2000
                                          << 330 << 7590 << false;
        QTest::newRow("four Jacks, computer") << "jacks" << 2 << QList<int>{46, 33, 22, 9} << QList<int>{9, 22, 33, 46}
                                              << 2000 << 330 << 3450 << false;
        QTest::newRow("double Pinochle, user") << "double" << 1 << QList<int>{44, 43, 10, 9} << QList<int>{9, 10, 43, 44}
                                               << 5610 << 330 << 6405 << false;
        QTest::newRow("double Pinochle, computer") << "double" << 2 << QList<int>{9, 43, 10, 44}
                                                   << QList<int>{9, 10, 43, 44} << 5610 << 330 << 2250 << false;
        QTest::newRow("Pinochle, user") << "pinochle" << 1 << QList<int>{43, 9} << QList<int>{9, 43} << 5610 << 350 << 6405
                                        << false;
        QTest::newRow("Pinochle, computer") << "pinochle" << 2 << QList<int>{44, 10} << QList<int>{10, 44} << 5610 << 350
                                            << 2250 << false;
        QTest::newRow("two marriages, user") << "marriage" << 1 << QList<int>{31, 29, 7, 5} << QList<int>{5, 7, 29, 31}
                                             << 2000 << 350 << 8600 << true;
        QTest::newRow("marriage, computer") << "marriage" << 2 << QList<int>{44, 42} << QList<int>{42, 44} << 2000 << 350
                                            << 4650 << true;
        QTest::newRow("run for side 3 is the computer's") << "run" << 3 << QList<int>{13, 15, 17, 19, 21}
                                                          << QList<int>{13, 15, 17, 19, 21} << 2000 << 330 << 2250 << true;
    }
    void rows()
    {
        QFETCH(QString, kind);
        QFETCH(int, who);
        QFETCH(QList<int>, flagged);
        QFETCH(QList<int>, order);
        QFETCH(int, firstLeft);
        QFETCH(int, step);
        QFETCH(int, top);
        QFETCH(bool, pauseEach);
        TestTable t;
        const int hand = who == SidePlayer ? LocPlayerHand : LocComputerHand;
        const RowKind k = KindNamed(kind);
        for (int i : flagged) {
            t.g.Cards[i].Location = hand;
            t.g.Cards[i].*k.Flag = true;
            t.g.Table.PicCard[i] = CardBox{ImageBack, 2880, 120, true, 0};
        }
        // Cards of the hand without the flag, and flagged cards out of the hand, stay put.
        t.Put(hand, {47, 48});
        t.g.Cards[36].*k.Flag = true;  // played
        t.g.Cards[36].Location = LocPlayed;
        t.g.Cards[35].*k.Flag = true;  // the other side's
        t.g.Cards[35].Location = hand == LocPlayerHand ? LocComputerHand : LocPlayerHand;
        for (int i : {35, 36, 47, 48})
            t.g.Table.PicCard[i] = CardBox{ImageBack, 555, 555, true, 0};

        PaceLog log(t);
        const uint64_t t0 = t.Now();
        k.Proc(t.g, who);

        std::vector<int> waits(pauseEach ? order.size() : 0, t.g.Speed);
        waits.push_back(t.g.Speed + 200);
        QCOMPARE(log.Lengths(), waits);
        QCOMPARE(int(t.Now() - t0), (pauseEach ? t.g.Speed * order.size() : 0) + t.g.Speed + 200);
        for (int n = 0; n < order.size(); ++n) {
            const CardBox& box = t.g.Table.PicCard[order[n]];
            QCOMPARE(box.Left, firstLeft + n * step);
            QCOMPARE(box.Top, top);
            QCOMPARE(box.Picture, int16_t(order[n]));
            if (n > 0)
                QVERIFY(box.Z > t.g.Table.PicCard[order[n - 1]].Z);
            // One card at a time: each is in its place by its own wait, the next not yet.
            if (pauseEach) {
                QCOMPARE(log.Waits[n].Boxes[order[n]].Left, firstLeft + n * step);
                if (n + 1 < order.size())
                    QCOMPARE(log.Waits[n].Boxes[order[n + 1]].Left, 2880);
            }
        }
        for (int i : {35, 36, 47, 48}) {
            QCOMPARE(t.g.Table.PicCard[i].Left, 555);
            QCOMPARE(t.g.Table.PicCard[i].Picture, ImageBack);
        }
        QVERIFY(t.plat.Sounds.empty());
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void foursRowKingsBeforeAces_data()
    {
        QTest::addColumn<bool>("acesFirst");
        QTest::newRow("Kings melded first") << false;
        QTest::newRow("Aces melded first") << true;
    }
    void foursRowKingsBeforeAces()
    {
        QFETCH(bool, acesFirst);
        TestTable t;
        const QList<int> kings{5, 17, 29, 41}, aces{1, 13, 25, 37};
        auto meld = [&](const QList<int>& cards, bool CardInfo::*flag) {
            for (int i : cards) {
                t.g.Cards[i].Location = LocPlayerHand;
                t.g.Cards[i].*flag = true;
            }
            LayOutFours(t.g, SidePlayer);
        };
        if (acesFirst) {
            meld(aces, &CardInfo::InFourAces);
            meld(kings, &CardInfo::InFourKings);
        } else {
            meld(kings, &CardInfo::InFourKings);
            meld(aces, &CardInfo::InFourAces);
        }
        const QList<int> row = kings + aces;
        for (int n = 0; n < row.size(); ++n) {
            QCOMPARE(t.g.Table.PicCard[row[n]].Left, 2000 + 330 * n);
            QCOMPARE(t.g.Table.PicCard[row[n]].Top, 7590);
        }
    }

    void emptyRowStillHolds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("who");
        for (const char* kind : {"run", "kings", "double", "pinochle", "marriage"})
            for (int who : {1, 2})
                QTest::newRow(qPrintable(QString("%1, side %2").arg(kind).arg(who))) << QString(kind) << who;
        // Rows that take no side but the two: the computer's flagged cards stay put.
        QTest::newRow("fours, side 0") << "kings" << 0;
        QTest::newRow("double, side 3") << "double" << 3;
        QTest::newRow("pinochle, side -1") << "pinochle" << -1;
    }
    void emptyRowStillHolds()
    {
        QFETCH(QString, kind);
        QFETCH(int, who);
        TestTable t;
        t.g.Speed = 250;
        const RowKind k = KindNamed(kind);
        // Only the other side holds flagged cards.
        const int other = who == SidePlayer ? LocComputerHand : LocPlayerHand;
        for (int i : {9, 10, 43, 44}) {
            t.g.Cards[i].Location = other;
            t.g.Cards[i].*k.Flag = true;
            t.g.Table.PicCard[i] = CardBox{ImageBack, 777, 777, true, 0};
        }
        t.g.PauseLength = 3;
        PaceLog log(t);
        k.Proc(t.g, who);
        QCOMPARE(log.Lengths(), std::vector<int>{450});
        for (int i : {9, 10, 43, 44})
            QCOMPARE(t.g.Table.PicCard[i].Left, 777);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void cardOfTwoKindsLiesInTheRowLaidOutLast()
    {
        TestTable t;
        t.Put(LocPlayerHand, {5, 7, 17, 29, 41});
        for (int i : {5, 7})
            t.g.Cards[i].InMarriage = true;
        for (int i : {5, 17, 29, 41})
            t.g.Cards[i].InFourKings = true;
        LayOutMarriages(t.g, SidePlayer);
        QCOMPARE(t.g.Table.PicCard[5].Top, 8600);
        LayOutFours(t.g, SidePlayer);
        QCOMPARE(t.g.Table.PicCard[5].Left, 2000);
        QCOMPARE(t.g.Table.PicCard[5].Top, 7590);
        // The marriage row keeps the King's gap.
        QCOMPARE(t.g.Table.PicCard[7].Left, 2350);
        QCOMPARE(t.g.Table.PicCard[7].Top, 8600);
    }
};

QTEST_APPLESS_MAIN(MeldLayoutTest)
#include "test_meld_layout.moc"
