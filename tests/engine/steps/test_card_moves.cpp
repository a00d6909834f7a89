// Single cards moving across the table: their stops, pacing, sounds and what they change.
#include <QtTest>

#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"
#include "tests/support/TestTable.h"

namespace {

struct Stop {
    int left, top;
    int16_t picture;
    uint64_t at;
};

}  // namespace

class CardMovesTest : public QObject {
    Q_OBJECT
private slots:
    void playedCards_data()
    {
        QTest::addColumn<bool>("computer");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("stopLeft");
        QTest::addColumn<int>("stopTop");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("computer, medium") << true << 100 << 3 * 250 << 7800 << 3240 << 10440 << 4680;
        QTest::newRow("computer, fast") << true << 25 << 3 * 175 << 7800 << 3240 << 10440 << 4680;
        QTest::newRow("user, medium") << false << 100 << 2 * 400 << 7800 << 6540 << 11760 << 4680;
        QTest::newRow("user, slow") << false << 250 << 2 * 550 << 7800 << 6540 << 11760 << 4680;
    }
    void playedCards()
    {
        QFETCH(bool, computer);
        QFETCH(int, speed);
        QFETCH(int, elapsed);
        QFETCH(int, stopLeft);
        QFETCH(int, stopTop);
        QFETCH(int, left);
        QFETCH(int, top);
        TestTable t;
        t.g.Speed = static_cast<int16_t>(speed);
        t.g.BotName = "Merriel";
        const int card = 29;  // King of Hearts, shown in a meld area
        t.Put(computer ? LocComputerHand : LocPlayerHand, {card, 30, 31});
        t.g.Cards[card].Melded = true;
        t.g.Table.PicCard[card].Picture = ImageBack;
        t.g.PlayerToPlay = !computer;
        std::vector<std::string> panels;
        std::vector<Stop> stops;
        t.plat.OnProcessEvents = [&] {
            panels.push_back(t.g.Table.StatusBar[2].Text);
            const CardBox& b = t.g.Table.PicCard[card];
            if (stops.empty() || stops.back().left != b.Left || stops.back().top != b.Top)
                stops.push_back({b.Left, b.Top, b.Picture, t.Now()});
        };
        const uint64_t t0 = t.Now();
        if (computer)
            PlayComputerCard(t.g, card);
        else
            PlayerPlaysCard(t.g, card);

        QCOMPARE(int(t.Now() - t0), elapsed);
        QCOMPARE(t.g.Cards[card].Location, LocPlayed);
        QVERIFY(!t.g.Cards[card].Melded);
        const CardBox& box = t.g.Table.PicCard[card];
        QCOMPARE(box.Left, left);
        QCOMPARE(box.Top, top);
        QCOMPARE(box.Picture, int16_t(card));
        QCOMPARE(int(t.g.PauseLength), speed);
        QCOMPARE(t.plat.Sounds, std::vector<std::string>{"carddeal1.wav"});
        // The two stops, each held for a pause (the computer's card waits once before it moves).
        QVERIFY(stops.size() >= 2);
        QCOMPARE(stops[stops.size() - 2].left, stopLeft);
        QCOMPARE(stops[stops.size() - 2].top, stopTop);
        QCOMPARE(stops[stops.size() - 2].picture, int16_t(card));
        if (computer) {
            QCOMPARE(t.g.Table.StatusBar[2].Text, std::string("Merriel has played King of Hearts"));
            for (const std::string& p : panels)
                QVERIFY(p.find("has played") == std::string::npos);
            // The hand has closed up behind the card.
            QCOMPARE(t.g.Table.PicCard[30].Left, 2880);
            QCOMPARE(t.g.Table.PicCard[31].Left, 2880 + 250);
        } else {
            QVERIFY(!t.g.PlayerToPlay);
        }
    }

    void speedChangedDuringAMoveTakesEffectAfterIt()
    {
        TestTable t;
        t.Put(LocPlayerHand, {5});
        t.plat.At(t.Now() + 10, [&] { t.g.Speed = 250; });
        const uint64_t t0 = t.Now();
        PlayerPlaysCard(t.g, 5);
        QCOMPARE(int(t.Now() - t0), 2 * 400);
        QCOMPARE(int(t.g.PauseLength), 250);
    }

    void draws_data()
    {
        QTest::addColumn<int>("who");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("location");
        QTest::addColumn<int>("firstLeft");
        QTest::addColumn<int>("firstTop");
        QTest::newRow("user") << 1 << 2 * 600 << LocPlayerHand << 1755 << 7500;
        QTest::newRow("computer") << 2 << 600 << LocComputerHand << 2820 << 2280;
    }
    void draws()
    {
        QFETCH(int, who);
        QFETCH(int, elapsed);
        QFETCH(int, location);
        QFETCH(int, firstLeft);
        QFETCH(int, firstTop);
        TestTable t;
        t.Put(LocStock, {7});
        t.Put(LocUpCard, {40});
        t.g.StockCount = 24;
        t.g.TricksPlayed = 1;
        t.g.Table.FramDeclare.Visible = true;
        t.g.Table.CmdSort.Caption = CaptionSortSuits;
        t.g.Table.PicCard[7].Picture = ImageBack;
        std::vector<Stop> stops;
        t.plat.OnProcessEvents = [&] {
            const CardBox& b = t.g.Table.PicCard[7];
            stops.push_back({b.Left, b.Top, b.Picture, t.Now()});
        };
        const uint64_t t0 = t.Now();
        DrawFromStock(t.g, who);
        QCOMPARE(int(t.Now() - t0), elapsed);
        QCOMPARE(t.g.Cards[7].Location, location);
        QCOMPARE(int(t.g.StockCount), 23);
        QCOMPARE(t.g.Table.LblStock.Caption, std::string("Stock 23"));
        QCOMPARE(int(t.g.PauseLength), int(t.g.Speed));
        QCOMPARE(t.plat.Sounds.size(), size_t(1));
        QVERIFY(!stops.empty());
        QCOMPARE(stops.front().left, firstLeft);
        QCOMPARE(stops.front().top, firstTop);
        const CardBox& box = t.g.Table.PicCard[7];
        if (who == SidePlayer) {
            // Face up from the moment it leaves the stock; laid into the row afterwards.
            for (const Stop& s : stops)
                QCOMPARE(s.picture, int16_t(7));
            QCOMPARE(box.Left, 2500);
            QCOMPARE(box.Top, 10080);
            QVERIFY(!t.g.Table.FramDeclare.Visible);
        } else {
            for (const Stop& s : stops)
                QCOMPARE(s.picture, ImageBack);
            QCOMPARE(box.Picture, ImageBack);
            QCOMPARE(box.Left, 2880);
            QCOMPARE(box.Top, 120);
        }
    }

    void drawnCardCarryingMeldedStaysWhereItLands()
    {
        // A Nine turned up keeps Melded; taken into a hand it is left out of the row.
        TestTable t;
        t.Put(LocUpCard, {47});
        t.Put(LocComputerHand, {1});
        t.g.Cards[47].Melded = true;
        t.g.TricksPlayed = 12;
        MoveDrawnCard(t.g, SideComputer, 47);
        QCOMPARE(t.g.Cards[47].Location, LocComputerHand);
        QCOMPARE(t.g.Table.PicCard[47].Left, 2820);
        QCOMPARE(t.g.Table.PicCard[47].Top, 2280);
        QCOMPARE(t.g.Table.PicCard[1].Left, 2880);
    }

    void stockLaidOutAgainAfterEachDraw()
    {
        TestTable t;
        t.Put(LocStock, {2, 4, 6});
        t.g.StockCount = 4;
        t.g.TricksPlayed = 3;
        t.plat.RndValues = {0.0};  // the first stock card
        DrawFromStock(t.g, SideComputer);
        QCOMPARE(t.g.Cards[2].Location, LocComputerHand);
        QCOMPARE(t.g.Table.PicCard[4].Left, 540);
        QCOMPARE(t.g.Table.PicCard[6].Left, 543);
        QCOMPARE(t.g.Table.PicCard[6].Top, 124);
    }
};

QTEST_APPLESS_MAIN(CardMovesTest)
#include "test_card_moves.moc"
