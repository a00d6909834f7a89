// The user's card click: which clicks are moves, the notices for forbidden ones, and what an
// accepted card records and sets moving.
#include <QtTest>

#include "engine/handlers/CardClick.h"
#include "engine/steps/Layout.h"
#include "tests/support/TestTable.h"

namespace {

// Hearts: Ace 25, Ten 27, King 29, Queen 31. Clubs: Ace 13, Nine 23. Spades: King 41, Nine 47.
// Diamonds: Jack 9. The computer led the Ten of Hearts (28) unless the user leads.
constexpr int LedCard = 28;

// The engine waits for the user's card; the computer holds the Ace of Diamonds (1), the Ten of
// Spades (40) is turned up and the Ace of Diamonds' twin (2) lies in the stock.
void Waiting(TestTable& t, int phase, int turn, int trump, int trick)
{
    Game& g = t.g;
    g.PlayerName = "Ann";
    g.BotName = "Merriel";
    g.GameInProgress = g.PlayerToPlay = true;
    g.InRound1 = phase == 1;
    g.InRound2 = phase == 2;
    g.Turn = turn;
    g.TrumpSuit = trump;
    g.TricksPlayed = static_cast<uint8_t>(trick);
    t.Put(LocStock, {2});
    t.Put(LocComputerHand, {1});
    t.Put(LocUpCard, {40});
    g.UpCard = 40;
    if (turn != SidePlayer) {
        g.TrickCard1 = LedCard;
        g.TrickSuit1 = g.Cards[LedCard].Suit;
    }
}

}  // namespace

class CardClickTest : public QObject {
    Q_OBJECT
private slots:
    void click_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("trump");
        QTest::addColumn<QList<int>>("hand");
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("trick");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("title");  // the notice, if any
        const QList<int> hearts{25, 13, 41, 9};
        const QList<int> noHearts{13, 23, 41, 9};
        const QList<int> neither{13, 23, 9};
        QTest::newRow("first phase: off-suit answer while holding the suit")
            << 1 << 2 << SuitSpades << hearts << 13 << 3 << true << "";
        QTest::newRow("first phase: lead") << 1 << 1 << SuitSpades << hearts << 9 << 3 << true << "";
        QTest::newRow("stock card: silently ignored") << 1 << 1 << SuitSpades << hearts << 2 << 3 << false << "";
        QTest::newRow("computer's card") << 1 << 2 << SuitSpades << hearts << 1 << 3 << false << "Tut Tut";
        QTest::newRow("played card") << 2 << 2 << SuitSpades << hearts << LedCard << 14 << false
                                     << "Cards out of game";
        QTest::newRow("up card") << 1 << 1 << SuitSpades << hearts << 40 << 11 << false << "The Up Card";
        QTest::newRow("up card in the twelfth trick: ignored") << 1 << 2 << SuitSpades << hearts << 40 << 12
                                                               << false << "";
        QTest::newRow("second phase: off-suit while holding the suit")
            << 2 << 2 << SuitSpades << hearts << 13 << 14 << false << "Must follow suit.";
        QTest::newRow("second phase: follows suit") << 2 << 2 << SuitSpades << hearts << 25 << 14 << true << "";
        QTest::newRow("second phase: non-trump while void and holding a trump")
            << 2 << 2 << SuitSpades << noHearts << 23 << 14 << false << "You have a Trump";
        QTest::newRow("second phase: trumps when void") << 2 << 2 << SuitSpades << noHearts << 41 << 14 << true << "";
        QTest::newRow("second phase: void of both, anything goes")
            << 2 << 2 << SuitSpades << neither << 9 << 14 << true << "";
        QTest::newRow("second phase: the last card of the led suit")
            << 2 << 2 << SuitClubs << QList<int>{25, 13, 23} << 25 << 20 << true << "";
        QTest::newRow("second phase: any lead") << 2 << 1 << SuitSpades << hearts << 9 << 14 << true << "";
    }
    void click()
    {
        QFETCH(int, phase);
        QFETCH(int, turn);
        QFETCH(int, trump);
        QFETCH(QList<int>, hand);
        QFETCH(int, card);
        QFETCH(int, trick);
        QFETCH(bool, accepted);
        QFETCH(QString, title);
        TestTable t;
        Game& g = t.g;
        Waiting(t, phase, turn, trump, trick);
        g.Table.CmdSort.Caption = CaptionSortSuits;
        for (int i : hand)
            g.Cards[i].Location = LocPlayerHand;
        const int16_t before1 = g.TrickCard1, before2 = g.TrickCard2;
        const uint64_t t0 = t.Now();
        PicCard_Click(g, static_cast<int16_t>(card));

        if (title.isEmpty()) {
            QVERIFY(t.plat.Dialogs.empty());
        } else {
            QCOMPARE(t.plat.Dialogs.size(), size_t(1));
            QCOMPARE(QString::fromStdString(t.plat.Dialogs[0].Title), title);
            QCOMPARE(t.plat.Dialogs[0].Icon, IconInfo);
            QCOMPARE(t.plat.Dialogs[0].Button2, std::string());
        }
        if (!accepted) {
            QVERIFY(g.PlayerToPlay);
            QCOMPARE(g.TrickCard1, before1);
            QCOMPARE(g.TrickCard2, before2);
            for (int i : hand)
                QCOMPARE(g.Cards[i].Location, LocPlayerHand);
            QCOMPARE(g.Cards[40].Location, LocUpCard);
            QCOMPARE(t.Now(), t0);
            return;
        }
        QVERIFY(!g.PlayerToPlay);
        QCOMPARE(int(turn == SidePlayer ? g.TrickCard1 : g.TrickCard2), card);
        QCOMPARE(turn == SidePlayer ? g.TrickSuit1 : g.TrickSuit2, g.Cards[card].Suit);
        QCOMPARE(g.Table.StatusBar[2].Text, "Ann is playing " + g.Cards[card].Name);
        QCOMPARE(g.Cards[card].Location, LocPlayed);
        QCOMPARE(g.Table.PicCard[card].Left, 11760);
        QCOMPARE(g.Table.PicCard[card].Top, 4680);
        // One pause, then the card's own move; played once.
        QCOMPARE(int(t.Now() - t0), 100 + 2 * 400);
        QCOMPARE(t.plat.Sounds.size(), size_t(1));
        // In the second phase the rest of the hand closes up at once.
        if (phase == 2) {
            QList<int> lefts, expected;
            for (int i : hand)
                if (i != card)
                    lefts.append(g.Table.PicCard[i].Left);
            std::sort(lefts.begin(), lefts.end());
            for (int n = 0; n < lefts.size(); ++n)
                expected.append(2500 + 500 * n);
            QCOMPARE(lefts, expected);
        }
    }

    void notices_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("button");
        QTest::newRow("computer's card") << 1 << "Ann You really musn't try to look at Merriel card you know!"
                                         << "Just Peeping";
        QTest::newRow("played card") << 3 << "Ann These cards have been played and are now out of the hand."
                                     << "Right";
        QTest::newRow("up card") << 40 << "Ann This is the UpCard Ten of Spades and the suit is trumps" << "Right";
        QTest::newRow("not following") << 13 << "Ann You have a card of the same suit and must play it."
                                       << "Ah Right";
        QTest::newRow("not trumping") << 23 << "Ann You have a Trump and must play it." << "O.K";
    }
    void notices()
    {
        QFETCH(int, card);
        QFETCH(QString, prompt);
        QFETCH(QString, button);
        TestTable t;
        Game& g = t.g;
        Waiting(t, 2, SideComputer, SuitSpades, 14);
        // Led a Heart: holding one for the follow-suit case, a trump for the trump case.
        const bool trumpCase = card == 23;
        t.Put(LocPlayerHand, {13, 23, 41});
        if (!trumpCase)
            t.Put(LocPlayerHand, {29});
        PicCard_Click(g, static_cast<int16_t>(card));
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        QCOMPARE(QString::fromStdString(t.plat.Dialogs[0].Prompt), prompt);
        QCOMPARE(QString::fromStdString(t.plat.Dialogs[0].Button1), button);
    }

    void ignoredWhenNotAMove_data()
    {
        QTest::addColumn<bool>("inProgress");
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<bool>("declareOpen");
        QTest::addColumn<bool>("marriageOpen");
        QTest::newRow("no game") << false << true << false << false;
        QTest::newRow("engine not waiting") << true << false << false << false;
        QTest::newRow("meld panel open") << true << true << true << false;
        QTest::newRow("marriage suit panel open") << true << true << false << true;
    }
    void ignoredWhenNotAMove()
    {
        QFETCH(bool, inProgress);
        QFETCH(bool, waiting);
        QFETCH(bool, declareOpen);
        QFETCH(bool, marriageOpen);
        TestTable t;
        Game& g = t.g;
        g.GameInProgress = inProgress;
        g.PlayerToPlay = waiting;
        g.InRound1 = true;
        g.Turn = SidePlayer;
        g.Table.FramDeclare.Visible = declareOpen;
        g.Table.FramMarriage.Visible = marriageOpen;
        t.Put(LocPlayerHand, {5});
        t.Put(LocComputerHand, {6});
        for (int card : {5, 6, 0, 49}) {
            PicCard_Click(g, static_cast<int16_t>(card));
            // A card of the computer's hand still gets its notice while the panel is open.
            const bool notice = card == 6 && inProgress && waiting;
            QCOMPARE(t.plat.Dialogs.empty(), !notice);
            t.plat.Dialogs.clear();
        }
        QCOMPARE(g.Cards[5].Location, LocPlayerHand);
        QCOMPARE(int(g.TrickCard1), 0);
        QCOMPARE(g.PlayerToPlay, waiting);
    }

    void secondClickDuringThePauseIsIgnored()
    {
        TestTable t;
        Game& g = t.g;
        g.GameInProgress = g.PlayerToPlay = g.InRound1 = true;
        g.Turn = SidePlayer;
        t.Put(LocPlayerHand, {5, 7});
        t.plat.At(t.Now() + 50, [&] { PicCard_Click(g, 7); });
        PicCard_Click(g, 5);
        QCOMPARE(int(g.TrickCard1), 5);
        QCOMPARE(g.Cards[7].Location, LocPlayerHand);
        QCOMPARE(t.plat.Sounds.size(), size_t(1));
    }

    void firstPhaseLeavesAGapInTheRow()
    {
        // The hand is laid out while the played card is still in it; the gap closes later.
        TestTable t;
        Game& g = t.g;
        g.GameInProgress = g.PlayerToPlay = g.InRound1 = true;
        g.Turn = SidePlayer;
        g.Table.CmdSort.Caption = CaptionSortSame;  // laid out by suit
        t.Put(LocPlayerHand, {11, 9, 1});             // Nine, Jack, Ace of Diamonds
        PicCard_Click(g, 9);
        QCOMPARE(g.Table.PicCard[11].Left, 2500);
        QCOMPARE(g.Table.PicCard[1].Left, 3500);
    }
};

QTEST_APPLESS_MAIN(CardClickTest)
#include "test_card_click.moc"
