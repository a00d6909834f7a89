// The first phase of a hand: twelve tricks with drawing, the end of the stock with the last
// card's choice and the winner's meld turns, the knocks, and the hand-over to the second phase.
#include <QtTest>
#include <random>

#include "engine/hand/Deal.h"
#include "engine/hand/Round1.h"
#include "engine/hand/Trick.h"
#include "engine/handlers/CardClick.h"
#include "engine/handlers/Knock.h"
#include "tests/support/HandScript.h"

namespace {

struct Draw {
    int trick;
    int32_t side;    // the side whose hand grew
    int32_t winner;  // Turn at the time: the trick's winner
};

int PlayedPoints(const Game& g)
{
    int sum = 0;
    for (int i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Location == LocPlayed)
            sum += CardPoints(g.Cards[i].Value);
    return sum;
}

// The state a hand is handed to the second phase in.
void VerifyHandOver(const Game& g)
{
    QCOMPARE(int(g.TricksPlayed), 12);
    QVERIFY(!g.InRound1);
    QVERIFY(g.InRound2);
    QCOMPARE(g.PlayerToPlay, g.Turn == SidePlayer);
    QVERIFY(!g.PlayerToMeld);
    QVERIFY(!g.Table.FramDeclare.Visible);
    QVERIFY(!g.Table.LblKnock.Visible);
    QCOMPARE(CountAt(g, LocPlayerHand), 12);
    QCOMPARE(CountAt(g, LocComputerHand), 12);
    QCOMPARE(CountAt(g, LocStock), 0);
    QCOMPARE(CountAt(g, LocUpCard), 0);
    for (int i = 1; i <= CardCount; ++i)
        QVERIFY(!g.Cards[i].Melded);
    QCOMPARE(int(g.StockCount), 0);
    // The computer's pick of the last card leaves the bare count.
    QCOMPARE(g.Table.LblStock.Caption, std::string(g.Turn == SidePlayer ? "Stock 0" : "0"));
    QCOMPARE(g.Table.StatusBar[4].Text, std::string("Round 2"));
    // Every card of the hands lies in its row again.
    for (int i = 1; i <= CardCount; ++i) {
        if (g.Cards[i].Location == LocPlayerHand)
            QCOMPARE(g.Table.PicCard[i].Top, 10080);
        if (g.Cards[i].Location == LocComputerHand) {
            QCOMPARE(g.Table.PicCard[i].Top, 120);
            QCOMPARE(g.Table.PicCard[i].Picture, ImageBack);
        }
    }
}

}  // namespace


namespace {

// A hand early in the first phase, the user to lead: Diamonds against Clubs, a stock of 21.
HandSetup EarlyHandUserLeads(int tricksDone)
{
    HandSetup s;
    s.tricksDone = tricksDone;
    s.turn = SidePlayer;
    s.user = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    s.computer = {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    s.stock = {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45};
    s.upCard = 46;
    return s;
}

}  // namespace

class Round1Test : public QObject {
    Q_OBJECT
private slots:
    void wholeFirstPhase_data()
    {
        QTest::addColumn<int>("dealerBefore");
        QTest::addColumn<quint64>("seed");
        for (quint64 seed = 1; seed <= 6; ++seed) {
            QTest::addRow("user leads, seed %llu", seed) << 1 << seed;
            QTest::addRow("computer leads, seed %llu", seed) << 2 << seed;
        }
    }
    void wholeFirstPhase()
    {
        QFETCH(int, dealerBefore);
        QFETCH(quint64, seed);
        TestTable t(seed);
        Game& g = t.g;
        g.Dealer = dealerBefore;
        g.PlayerName = "Ann";
        g.BotName = "Merriel";
        ScriptedUser user(t);
        std::mt19937_64 rng(seed);
        user.choose = [&rng](Game& game) {
            std::vector<int16_t> hand;
            for (int i = 1; i <= CardCount; ++i)
                if (game.Cards[i].Location == LocPlayerHand)
                    hand.push_back(static_cast<int16_t>(i));
            return hand[rng() % hand.size()];
        };
        user.stopAt = "Round Two";
        user.answers["Make choice"] = static_cast<int16_t>(seed % 2);
        std::vector<Draw> draws;
        std::vector<std::string> stockAtTrickStart;
        int stock = -1, userCards = 0, computerCards = 0;
        uint8_t lastTrick = 0;
        t.plat.OnProcessEvents = [&] {
            if (!g.InRound1 || g.TricksPlayed == 0)
                return;
            if (g.TricksPlayed != lastTrick) {
                lastTrick = g.TricksPlayed;
                stockAtTrickStart.push_back(g.Table.LblStock.Caption);
            }
            const int s = CountAt(g, LocStock), u = CountAt(g, LocPlayerHand), c = CountAt(g, LocComputerHand);
            if (stock >= 0 && s == stock - 1 && g.TricksPlayed < 12)
                draws.push_back({g.TricksPlayed, u > userCards ? SidePlayer : SideComputer, g.Turn});
            stock = s;
            userCards = u;
            computerCards = c;
        };
        RequestFlow(g, FlowRequest::NewHand);
        t.plat.RunScheduledFlows();

        // Twelve tricks, each with one wait for the user's card; panel 3 counts them.
        std::vector<std::string> expectedWaits;
        for (int n = 1; n <= 12; ++n)
            expectedWaits.push_back("Tricks " + std::to_string(n));
        QCOMPARE(user.cardWaits, expectedWaits);
        // 22 draws, two after each of the first eleven tricks, the winner first.
        QCOMPARE(int(draws.size()), 22);
        for (int n = 0; n < 11; ++n) {
            QCOMPARE(draws[2 * n].trick, n + 1);
            QCOMPARE(draws[2 * n + 1].trick, n + 1);
            QCOMPARE(draws[2 * n].side, draws[2 * n].winner);
            QVERIFY(draws[2 * n + 1].side != draws[2 * n].side);
        }
        QCOMPARE(stockAtTrickStart.size(), size_t(12));
        QCOMPARE(stockAtTrickStart.front(), std::string("Stock 24"));
        QCOMPARE(stockAtTrickStart.back(), std::string("Stock 2"));
        // The user's meld turns: one for each trick won, two for the twelfth.
        const bool userWonLast = g.Turn == SidePlayer;
        if (userWonLast) {
            QVERIFY(user.meldWaits.size() >= 2);
            QCOMPARE(user.meldWaits.back(), std::string(" Click a Meld to make or click Cancel to receive a card"));
            QCOMPARE(user.meldWaits[user.meldWaits.size() - 2],
                     std::string("Ann click Meld to make or Cancel to receive card."));
        }
        VerifyHandOver(g);
        // All 24 cards of the first phase are played; the hand's trick points are theirs plus
        // 10 for the last trick (and 10 for a Nine turned up).
        const int nine = g.Cards[g.UpCard].Value == ValueNine && !g.Cards[g.UpCard].DixExchanged ? 10 : 0;
        QCOMPARE(CountAt(g, LocPlayed), 24);
        QCOMPARE(g.TotTricksP + g.TotTricksC, PlayedPoints(g) + 10 + nine);
        const MessageDialogRequest& notice = t.plat.Dialogs.back();
        QCOMPARE(notice.Title, std::string("Round Two"));
        QCOMPARE(notice.Prompt, std::string("Ann you are now on Round Two and must follow suit or play a Trump if you do "
                                            "not have suit but have a Trump"));
        QCOMPARE(notice.Button1, std::string("Right"));
        QCOMPARE(notice.Icon, IconInfo);
    }

    void endOfStock_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("answer");  // the user's choice: 0 Stock Card, 1 Up Card
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("userGets");
        QTest::addColumn<int>("computerGets");
        // Trumps are Spades; the last stock card is the Ace of Spades (37).
        QTest::newRow("user wins, takes the stock card") << 1 << 0 << 41 << 37 << 41;
        QTest::newRow("user wins, takes the up card") << 1 << 1 << 41 << 41 << 37;
        QTest::newRow("user wins, takes the Nine turned up") << 1 << 1 << 47 << 47 << 37;
        // King of trumps up, the Ace of trumps in the stock: the computer takes the Ace.
        QTest::newRow("computer wins") << 2 << 0 << 41 << 41 << 37;
    }
    void endOfStock()
    {
        QFETCH(int, turn);
        QFETCH(int, answer);
        QFETCH(int, up);
        QFETCH(int, userGets);
        QFETCH(int, computerGets);
        TestTable t;
        Game& g = t.g;
        HandSetup s;
        s.tricksDone = 11;
        s.turn = turn;
        // User: Ace of Spades (38) and eleven cards of Diamonds and Clubs; the computer holds
        // Hearts and the rest.
        s.user = {38, 1, 2, 3, 4, 5, 13, 14, 15, 16, 17, 18};
        s.computer = {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 6, 7};
        s.stock = {37};
        s.upCard = up;
        SetUpHand(t, s);
        g.Cards[up].Melded = g.Cards[up].Value == ValueNine;  // a Nine turned up stays in its place
        ScriptedUser user(t);
        // The user leads the Ace of trumps, or answers the computer's Heart with a Diamond.
        user.choose = [turn](Game&) { return int16_t(turn == SidePlayer ? 38 : 1); };
        user.answers["Make choice"] = static_cast<int16_t>(answer);
        user.stopAt = "Round Two";
        bool lastCardFaceUpInPlace = false;
        bool nineStillUpDuringMeld = false;
        bool handCardIgnoredDuringMeld = false;
        user.onDialog = [&](const MessageDialogRequest& r) {
            if (r.Title == "Make choice" || r.Title.rfind("Taking", 0) == 0)
                lastCardFaceUpInPlace = g.Table.PicCard[37].Picture == 37 && g.Table.PicCard[37].Left == 540 &&
                                        g.Table.PicCard[37].Top == 120;
        };
        int meldTurn = 0;
        user.duringMeld = [&](Game& game) {
            if (++meldTurn != 2)
                return;
            nineStillUpDuringMeld = game.Table.PicCard[47].Left == 100 && game.Table.PicCard[47].Top == 100;
            PicCard_Click(game, 2);
            handCardIgnoredDuringMeld = game.Cards[2].Location == LocPlayerHand && !game.PlayerToPlay;
        };
        std::string panelBeforeChoice;
        t.plat.OnProcessEvents = [&] {
            if (g.TricksPlayed == 12 && g.StockCount == 0 && panelBeforeChoice.empty())
                panelBeforeChoice = g.Table.StatusBar[2].Text;
        };
        const int16_t tricksBefore = turn == SidePlayer ? g.TotTricksP : g.TotTricksC;
        user.Run(&PlayRound1);

        QVERIFY(lastCardFaceUpInPlace);
        QCOMPARE(g.Cards[userGets].Location, LocPlayerHand);
        QCOMPARE(g.Cards[computerGets].Location, LocComputerHand);
        QCOMPARE(int(g.LastStockCard), 37);
        const int16_t trickPoints = static_cast<int16_t>(CardPoints(g.Cards[g.TrickCard1].Value) +
                                                         CardPoints(g.Cards[g.TrickCard2].Value));
        const int16_t tricksAfter = turn == SidePlayer ? g.TotTricksP : g.TotTricksC;
        QCOMPARE(int(tricksAfter - tricksBefore), trickPoints + 10);
        QCOMPARE(turn == SidePlayer ? g.Table.LblLastTrickP.Caption : g.Table.LblLastTrickC.Caption,
                 std::string("10"));
        if (turn == SidePlayer) {
            // Two meld turns: after the trick and after the choice.
            QCOMPARE(user.meldWaits, (std::vector<std::string>{"Ann click Meld to make or Cancel to receive card.",
                                                               " Click a Meld to make or click Cancel to receive a card"}));
            QVERIFY(handCardIgnoredDuringMeld);
            const MessageDialogRequest& q = t.plat.Dialogs.at(t.plat.Dialogs.size() - 2);
            QCOMPARE(q.Title, std::string("Make choice"));
            QCOMPARE(q.Prompt, std::string("Ann you won the last trick, if you wish to take Ace of Spades click on "
                                           "Stock Card or click on Up Card to take Trump card."));
            QCOMPARE(q.Button1, std::string("Stock Card"));
            QCOMPARE(q.Button2, std::string("Up Card"));
            QCOMPARE(q.Button3, std::string());
            QCOMPARE(q.Icon, IconCards);
            if (up == 47)
                QVERIFY(nineStillUpDuringMeld);
        } else {
            QVERIFY(user.meldWaits.empty());
            QCOMPARE(panelBeforeChoice, std::string("Merriel deciding which card to take"));
            QCOMPARE(t.plat.Dialogs.at(t.plat.Dialogs.size() - 2).Title, std::string("Taking Stock card"));
        }
        VerifyHandOver(g);
    }

    void computerKnocksAfterATrick()
    {
        // The computer is over the target before the trick: it knocks once the trick is
        // settled, and the trick's draws never happen.
        TestTable t;
        Game& g = t.g;
        SetUpHand(t, EarlyHandUserLeads(2));
        g.TotalScoreC = 1000;
        ScriptedUser user(t);
        user.answers["Play again?"] = AnswerButton1;
        user.Run(&PlayRound1);
        QCOMPARE(int(g.TricksPlayed), 3);
        QCOMPARE(CountAt(g, LocStock), 21);
        QCOMPARE(int(g.StockCount), 22);
        QCOMPARE(std::count(t.plat.Sounds.begin(), t.plat.Sounds.end(), "knock.wav"), 1);
        QCOMPARE(t.plat.Dialogs.back().Title, std::string("Play again?"));
        QVERIFY(t.plat.Dialogs.back().Prompt.find("Ann unfortunately, you lost") == 0);
        QCOMPARE(g.GamesWon[SideComputer], 1);
        QVERIFY(!g.GameInProgress);
        QCOMPARE(g.PendingFlow, FlowRequest::NewHand);
    }

    void userKnocksWhenOffered()
    {
        // Alone over the target, the user sees the knock label after the trick and knocks at
        // the next wait: the game is won there and nothing more of the hand is played.
        TestTable t;
        Game& g = t.g;
        SetUpHand(t, EarlyHandUserLeads(4));
        g.TotalScoreP = 1000;
        ScriptedUser user(t);
        int knocksOffered = 0;
        const auto play = user.choose;
        user.choose = [&](Game& game) {
            if (game.Table.LblKnock.Visible && knocksOffered++ == 0) {
                t.plat.Post([&game] { LblKnock_Click(game); });
                return int16_t(0);  // the knock instead of a card
            }
            return play(game);
        };
        user.duringMeld = [&](Game& game) {
            if (game.Table.LblKnock.Visible && knocksOffered++ == 0)
                t.plat.Post([&game] { LblKnock_Click(game); });
        };
        user.answers["Play again?"] = AnswerButton2;  // Exit
        user.Run(&PlayRound1);
        QCOMPARE(knocksOffered, 1);
        QVERIFY(g.PlayerKnocked);
        QVERIFY(!g.Table.LblKnock.Visible);
        // Offered after trick 5's check, taken at trick 6's wait: no card of trick 6 is played.
        QCOMPARE(int(g.TricksPlayed), 6);
        QCOMPARE(CountAt(g, LocPlayerHand), 12);
        QCOMPARE(t.plat.Dialogs.back().Title, std::string("Play again?"));
        QVERIFY(t.plat.Dialogs.back().Prompt.find("Ann well done, you won that game with points 1000") == 0);
        QCOMPARE(g.GamesWon[SidePlayer], 1);
        QCOMPARE(g.PendingFlow, FlowRequest::Exit);
    }

    void nothingWithoutAGame()
    {
        TestTable t;
        t.g.GameInProgress = false;
        t.g.InRound1 = true;
        PlayRound1(t.g);
        QCOMPARE(int(t.g.TricksPlayed), 0);
        QCOMPARE(t.Now(), uint64_t(0));
    }
};

QTEST_APPLESS_MAIN(Round1Test)
#include "test_round1.moc"
