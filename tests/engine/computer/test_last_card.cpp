// The computer's choice between the last stock card and the up card after winning the twelfth
// trick: which it takes, the notice, where the two cards go and its own pauses.
#include <QtTest>

#include "engine/computer/ComputerLastCard.h"
#include "engine/computer/ComputerRound1.h"
#include "tests/support/TestTable.h"

namespace {

// What a pause looked like while it ran.
struct PauseSeen {
    uint32_t start = 0;
    int16_t length = 0;
    int32_t upLocation = 0;
    int32_t stockLocation = 0;
    std::string stockLabel;
};

}  // namespace

class LastCardTest : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<int>("trump");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("stock");
        QTest::addColumn<bool>("takesStock");
        // Hearts: Ace 25, Ten 27, King 29, Queen 31, Nine 35/36; Ace of Clubs 13.
        QTest::newRow("Ten up, Ace of trumps in stock") << SuitHearts << 27 << 25 << false;
        QTest::newRow("King up, Ace of trumps in stock") << SuitHearts << 29 << 25 << true;
        QTest::newRow("Nine up, Nine of trumps in stock") << SuitHearts << 35 << 36 << false;
        QTest::newRow("non-trump Ace in stock") << SuitHearts << 35 << 13 << false;
        QTest::newRow("Ace up, Ten of trumps in stock") << SuitHearts << 25 << 27 << false;
        QTest::newRow("Nine up, Queen of trumps in stock") << SuitHearts << 35 << 31 << true;
        QTest::newRow("King up, lower trump in stock") << SuitHearts << 29 << 31 << false;
    }
    void choice()
    {
        QFETCH(int, trump);
        QFETCH(int, up);
        QFETCH(int, stock);
        QFETCH(bool, takesStock);
        TestTable t;
        Game& g = t.g;
        g.GameInProgress = true;
        g.InRound1 = true;
        g.TrumpSuit = trump;
        g.BotName = "Marvin";
        g.UpCard = static_cast<int16_t>(up);
        g.LastStockCard = static_cast<int16_t>(stock);
        g.PauseLength = g.Speed;
        t.Put(LocUpCard, {up});
        t.Put(LocStock, {stock});
        g.Table.LblStock.Caption = "Stock 0";

        uint64_t dialogAt = 0;
        int16_t paceAtDialog = 0;
        t.plat.AnswerDialog = [&](const MessageDialogRequest&) {
            dialogAt = t.Now();
            paceAtDialog = g.PauseLength;
            return AnswerButton1;
        };
        std::vector<PauseSeen> pauses;
        t.plat.OnProcessEvents = [&] {
            if (pauses.empty() || pauses.back().start != g.PauseStart)
                pauses.push_back({g.PauseStart, g.PauseLength, g.Cards[up].Location, g.Cards[stock].Location,
                                  g.Table.LblStock.Caption});
        };

        ComputerChoosesLastCard(g);

        const int taken = takesStock ? stock : up;
        const int other = takesStock ? up : stock;
        QCOMPARE(g.Cards[taken].Location, LocComputerHand);
        QCOMPARE(g.Cards[other].Location, LocPlayerHand);
        QCOMPARE(g.Table.LblStock.Caption, std::string("0"));

        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        const MessageDialogRequest& d = t.plat.Dialogs[0];
        QCOMPARE(d.Prompt, std::string(takesStock ? "Marvin has decided to take the last Stock card."
                                                  : "Marvin has decided to take the UpCard trump."));
        QCOMPARE(d.Button1, std::string("O.K"));
        QVERIFY(d.Button2.empty());
        QVERIFY(d.Button3.empty());
        QCOMPARE(d.Icon, IconCards);
        QCOMPARE(d.Title, std::string(takesStock ? "Taking Stock card" : "Taking trump card"));
        QVERIFY(t.plat.MsgBoxes.empty());

        // The notice comes at once and at the slow pace; then 700 ms with both cards still
        // where they lay.
        QCOMPARE(dialogAt, uint64_t(0));
        QCOMPARE(paceAtDialog, int16_t(700));
        QVERIFY(pauses.size() >= 2);
        const PauseSeen& first = pauses.front();
        QCOMPARE(first.start, t.plat.GetTickCount() - static_cast<uint32_t>(t.Now()));
        QCOMPARE(first.length, int16_t(700));
        QCOMPARE(first.upLocation, LocUpCard);
        QCOMPARE(first.stockLocation, LocStock);
        QCOMPARE(first.stockLabel, std::string("Stock 0"));
        // The last pause follows the label and runs at whatever pace the moves left behind.
        const PauseSeen& last = pauses.back();
        QCOMPARE(last.stockLabel, std::string("0"));
        QCOMPARE(last.length, g.PauseLength);
        QCOMPARE(t.plat.GetTickCount() - last.start, static_cast<uint32_t>(last.length));
        // Between the two the cards already lie in their hands while they move, and
        // the label changes only after them.
        for (size_t k = 1; k < pauses.size(); ++k) {
            QCOMPARE(pauses[k].upLocation, takesStock ? LocPlayerHand : LocComputerHand);
            QCOMPARE(pauses[k].stockLocation, takesStock ? LocComputerHand : LocPlayerHand);
            if (k + 1 < pauses.size())
                QCOMPARE(pauses[k].stockLabel, std::string("Stock 0"));
        }
        QVERIFY(pauses[1].start - first.start >= 700u);
    }
};

QTEST_APPLESS_MAIN(LastCardTest)
#include "test_last_card.moc"
