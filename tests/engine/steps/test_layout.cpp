// The rows the cards are laid out in, and the gathering of a trick.
#include <QtTest>

#include "engine/steps/Layout.h"
#include "tests/support/TestTable.h"

namespace {

// Ace, Ten, Jack, Nine of Diamonds; Queen and both Kings of Clubs; Ten and Queen of Hearts;
// Ace, Jack and Nine of Spades.
const std::initializer_list<int> ExampleHand = {1, 3, 9, 11, 19, 17, 18, 27, 31, 37, 45, 47};

QList<int> Row(const Game& g, int top)
{
    // The cards at that Top, left to right.
    QList<QPair<int, int>> placed;
    for (int i = 1; i <= CardCount; ++i)
        if (g.Table.PicCard[i].Top == top)
            placed.append({g.Table.PicCard[i].Left, i});
    std::sort(placed.begin(), placed.end());
    QList<int> out;
    for (auto& p : placed)
        out.append(p.second);
    return out;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void userHand_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("step");
        QTest::newRow("by suit") << "suits" << QList<int>{11, 9, 3, 1, 19, 17, 18, 31, 27, 47, 45, 37} << 500;
        QTest::newRow("by face") << "same" << QList<int>{11, 47, 3, 27, 9, 45, 19, 31, 17, 18, 1, 37} << 500;
        QTest::newRow("during the deal") << "deal" << QList<int>{1, 3, 9, 11, 17, 18, 19, 27, 31, 37, 45, 47} << 450;
    }
    void userHand()
    {
        QFETCH(QString, order);
        QFETCH(QList<int>, expected);
        QFETCH(int, step);
        TestTable t;
        t.Put(LocPlayerHand, ExampleHand);
        if (order == "suits")
            SortBySuits(t.g);
        else if (order == "same")
            SortBySame(t.g);
        else
            LayOutPlayerHand(t.g);
        QCOMPARE(Row(t.g, 10080), expected);
        for (int n = 0; n < expected.size(); ++n) {
            const CardBox& box = t.g.Table.PicCard[expected[n]];
            QCOMPARE(box.Left, 2500 + step * n);
            QCOMPARE(box.Picture, int16_t(expected[n]));
            if (n > 0)
                QVERIFY(box.Z > t.g.Table.PicCard[expected[n - 1]].Z);
        }
    }

    void resortHandFollowsTheSortCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Sort Suits shows by face") << "Sort Suits";
        QTest::newRow("Sort Same shows by suit") << "Sort Same";
        QTest::newRow("design caption shows by suit") << "&Sort Same";
        QTest::newRow("case matters") << "sort suits";
    }
    void resortHandFollowsTheSortCaption()
    {
        QFETCH(QString, caption);
        TestTable t;
        t.Put(LocPlayerHand, ExampleHand);
        t.g.Table.CmdSort.Caption = caption.toStdString();
        ResortHand(t.g);
        const bool byFace = caption == "Sort Suits";
        QCOMPARE(Row(t.g, 10080)[1], byFace ? 47 : 9);
    }

    void meldedCardsStayOutOfTheRow()
    {
        TestTable t;
        t.Put(LocPlayerHand, ExampleHand);
        t.g.Cards[17].Melded = t.g.Cards[19].Melded = true;
        t.g.Table.Move(17, 3600, 8640);
        t.g.Table.Move(19, 4680, 8640);
        SortBySuits(t.g);
        const QList<int> row = Row(t.g, 10080);
        QCOMPARE(row.size(), 10);
        QCOMPARE(t.g.Table.PicCard[row.last()].Left, 7000);
        QCOMPARE(t.g.Table.PicCard[17].Left, 3600);
        QCOMPARE(t.g.Table.PicCard[19].Top, 8640);
    }

    void computerHandFaceDown()
    {
        TestTable t;
        t.Put(LocComputerHand, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24});
        t.g.Table.PicCard[6].Picture = 6;  // shown face up in a meld earlier
        t.g.PauseLength = 7;
        LayOutComputerHand(t.g);
        const QList<int> row = Row(t.g, 120);
        QCOMPARE(row.size(), 12);
        for (int n = 0; n < 12; ++n) {
            QCOMPARE(t.g.Table.PicCard[row[n]].Left, 2880 + 250 * n);
            QCOMPARE(t.g.Table.PicCard[row[n]].Picture, ImageBack);
        }
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void stockAtStartUpAndAfterTheDeal()
    {
        TestTable t;
        for (int i = 1; i <= CardCount; ++i)
            t.g.Cards[i].Location = LocStock;
        LayOutStock(t.g);
        QCOMPARE(t.g.Table.PicCard[1].Left, 540);
        QCOMPARE(t.g.Table.PicCard[1].Top, 120);
        QCOMPARE(t.g.Table.PicCard[48].Left, 681);
        QCOMPARE(t.g.Table.PicCard[48].Top, 308);
        for (int i = 1; i <= CardCount; ++i) {
            QVERIFY(t.g.Table.PicCard[i].Visible);
            QCOMPARE(t.g.Table.PicCard[i].Picture, ImageBack);
        }
        QVERIFY(t.g.Table.PicCard[48].Z > t.g.Table.PicCard[1].Z);
    }

    void stockFrozenFromTheTwelfthTrick()
    {
        TestTable t;
        t.Put(LocStock, {30});
        t.g.Table.PicCard[30] = CardBox{30, 555, 140, true, 3};
        t.g.TricksPlayed = 12;
        LayOutStock(t.g);
        QCOMPARE(t.g.Table.PicCard[30].Picture, int16_t(30));
        QCOMPARE(t.g.Table.PicCard[30].Left, 555);
    }

    void collectTrick_data()
    {
        QTest::addColumn<int>("who");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("pileTop");
        QTest::addColumn<int>("duration");
        QTest::newRow("user led, user wins") << 1 << 1 << 100 << 7560 << 2000;
        QTest::newRow("computer led, computer wins") << 2 << 2 << 25 << 2640 << 1750;
        QTest::newRow("user led, computer wins, slow") << 2 << 1 << 250 << 2640 << 1750;
    }
    void collectTrick()
    {
        QFETCH(int, who);
        QFETCH(int, turn);
        QFETCH(int, speed);
        QFETCH(int, pileTop);
        QFETCH(int, duration);
        TestTable t;
        t.g.Speed = static_cast<int16_t>(speed);
        t.g.PlayerPileLeft = 10440 + 2 * 90;
        t.g.BotPileLeft = 10440;
        // The play procedures leave the computer's card at (10440, 4680), the user's at (11760, 4680).
        const int computerCard = 14, userCard = 25;
        t.g.Table.PicCard[computerCard] = CardBox{computerCard, 10440, 4680, true, 5};
        t.g.Table.PicCard[userCard] = CardBox{userCard, 11760, 4680, true, 6};
        t.g.TrickCard1 = static_cast<int16_t>(turn == 1 ? userCard : computerCard);
        t.g.TrickCard2 = static_cast<int16_t>(turn == 1 ? computerCard : userCard);
        const int pileLeft = who == 1 ? t.g.PlayerPileLeft : t.g.BotPileLeft;
        const uint64_t t0 = t.Now();
        CollectTrick(t.g, who);
        QCOMPARE(int(t.Now() - t0), duration);
        const CardBox& led = t.g.Table.PicCard[t.g.TrickCard1];
        const CardBox& second = t.g.Table.PicCard[t.g.TrickCard2];
        QCOMPARE(led.Picture, ImageBack);
        QCOMPARE(led.Left, pileLeft);
        QCOMPARE(led.Top, pileTop);
        QVERIFY(led.Visible);
        QVERIFY(!second.Visible);
        QCOMPARE(second.Top, 4680);
        QCOMPARE(int(who == 1 ? t.g.PlayerPileLeft : t.g.BotPileLeft), pileLeft + 90);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
        QCOMPARE(t.plat.Sounds, std::vector<std::string>{"carddeal1.wav"});
        QCOMPARE(led.Z, turn == 1 ? uint64_t(6) : uint64_t(5));  // no stacking change
    }

    void collectTrickStepsInOrder()
    {
        // The led card turns face down, the second card rises to its Top, the led card slides
        // onto the second card, the second card goes.
        TestTable t;
        t.g.Table.PicCard[14] = CardBox{14, 10440, 4680, true, 5};
        t.g.Table.PicCard[25] = CardBox{25, 11760, 4600, true, 6};
        t.g.TrickCard1 = 25;
        t.g.TrickCard2 = 14;
        t.g.PlayerPileLeft = 10620;
        std::vector<std::tuple<uint64_t, int16_t, int, int, bool>> seen;
        t.plat.OnProcessEvents = [&] {
            const auto& led = t.g.Table.PicCard[25];
            seen.emplace_back(t.Now(), led.Picture, led.Left, t.g.Table.PicCard[14].Top, t.g.Table.PicCard[14].Visible);
        };
        CollectTrick(t.g, 1);
        QCOMPARE(seen.size(), size_t(8));
        QCOMPARE(std::get<1>(seen[1]), int16_t(25));     // face up for 500 ms
        QCOMPARE(std::get<1>(seen[2]), ImageBack);       // then face down
        QCOMPARE(std::get<3>(seen[3]), 4600);            // second card at the led card's Top
        QCOMPARE(std::get<2>(seen[4]), 10440);           // led card onto the second card
        QVERIFY(!std::get<4>(seen[5]));                  // second card hidden
        QCOMPARE(std::get<2>(seen[5]), 10620);           // led card on the pile
    }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "test_layout.moc"
