// A new hand and its deal on the virtual clock: the reset, the packets, the up card and trumps,
// the pacing, the dealer and the leader; and New Game in the middle of a deal.
#include <QtTest>

#include "engine/flow/Flow.h"
#include "engine/hand/Deal.h"
#include "engine/handlers/NewGameMenu.h"
#include "engine/steps/Layout.h"
#include "tests/support/TestTable.h"

namespace {

struct DealRun {
    bool captured = false;
    uint64_t start = 0;
    uint64_t end = 0;
    std::vector<int32_t> dealtTo;       // the hand each dealt card went to, in dealing order
    std::vector<uint64_t> flowOfDeal;   // the flow that dealt each of them
    std::vector<bool> cleanAtFlowStart; // per flow: every box hidden and every card in the stock
};

// Deals one hand through New Game and stops at the end of the deal.
void RunDeal(TestTable& t, DealRun& run, std::function<void()> beforeStart = {})
{
    std::array<int32_t, 49> before{};
    uint64_t seenFlow = 0;
    t.plat.OnProcessEvents = [&] {
        Game& g = t.g;
        if (g.FlowSerial != seenFlow) {
            // The first pause of a flow is the riffle's: nothing dealt yet, nothing shown.
            seenFlow = g.FlowSerial;
            bool clean = true;
            for (int i = 1; i <= CardCount; ++i)
                clean = clean && g.Cards[i].Location == LocStock && !g.Table.PicCard[i].Visible;
            run.cleanAtFlowStart.push_back(clean);
            before.fill(LocStock);
        }
        for (int i = 1; i <= CardCount; ++i) {
            const int32_t loc = g.Cards[i].Location;
            if (before[i] == LocStock && (loc == LocPlayerHand || loc == LocComputerHand)) {
                run.dealtTo.push_back(loc);
                run.flowOfDeal.push_back(g.FlowSerial);
            }
            before[i] = loc;
        }
        if (g.InRound1 && !run.captured) {
            run.captured = true;
            run.end = t.Now();
            t.plat.Post([&t] { RequestFlow(t.g, FlowRequest::Exit); });
        }
    };
    if (beforeStart)
        beforeStart();
    run.start = t.Now();
    RunHandler([&] { MnuNew_Click(t.g); });
    t.plat.RunScheduledFlows();
    if (!run.captured) {  // the first trick's lead had nothing to wait on
        run.captured = true;
        run.end = t.Now();
    }
}

int DealPauses(int speed, bool nine)
{
    const int riffle = 2 * speed;
    const int toComputer = 12 * 2 * speed;
    const int toUser = 12 * 4 * 25;
    const int packets = 8 * speed;
    return riffle + toComputer + toUser + packets + (nine ? speed : 0);
}

}  // namespace

class DealTest : public QObject {
    Q_OBJECT
private slots:
    void deal_data()
    {
        QTest::addColumn<int>("dealerBefore");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("nine");
        QTest::newRow("computer deals") << 1 << 100 << false;
        QTest::newRow("user deals") << 2 << 100 << false;
        QTest::newRow("computer deals, fast, Nine up") << 1 << 25 << true;
        QTest::newRow("user deals, slow, Nine up") << 2 << 250 << true;
    }
    void deal()
    {
        QFETCH(int, dealerBefore);
        QFETCH(int, speed);
        QFETCH(bool, nine);
        TestTable t;
        Game& g = t.g;
        g.Speed = static_cast<int16_t>(speed);
        g.Dealer = dealerBefore;
        g.PlayerName = "Ann";
        g.BotName = "Merriel";
        // Every draw takes the first stock card: cards 1 to 24 are dealt; then the up card is
        // the Ace of Hearts (25) or the Nine of Hearts (35, the eleventh of the 24 left).
        for (int k = 0; k < 24; ++k)
            t.plat.RndValues.push_back(0.0);
        t.plat.RndValues.push_back(nine ? 10.5 / 24 : 0.0);
        DealRun run;
        RunDeal(t, run);

        const int dealer = dealerBefore == 1 ? 2 : 1;
        QVERIFY(t.plat.Dialogs.empty());  // no game was running: no question
        QCOMPARE(g.Dealer, dealer);
        QCOMPARE(int(run.end - run.start), DealPauses(speed, nine));
        QCOMPARE(CountAt(g, LocPlayerHand), 12);
        QCOMPARE(CountAt(g, LocComputerHand), 12);
        QCOMPARE(CountAt(g, LocStock), 23);
        QCOMPARE(CountAt(g, LocUpCard), 1);
        const int up = nine ? 35 : 25;
        QCOMPARE(int(g.UpCard), up);
        QCOMPARE(g.Cards[up].Location, LocUpCard);
        QCOMPARE(g.TrumpSuit, SuitHearts);
        QCOMPARE(int(g.StockCount), 24);
        QCOMPARE(g.Table.LblStock.Caption, std::string("Stock 24"));
        QVERIFY(g.Table.LblStock.Visible);
        QCOMPARE(g.Table.StatusBar[1].Text, std::string("Hearts are Trumps"));
        QCOMPARE(g.Table.StatusBar[1].Picture, int16_t(52));
        QCOMPARE(g.Table.StatusBar[4].Text, std::string("Round 1"));
        QCOMPARE(g.Table.CmdSort.Caption, std::string(CaptionSortSuits));
        QVERIFY(g.Table.CmdSort.Visible);
        QVERIFY(g.GameInProgress);
        QVERIFY(g.InRound1);
        QCOMPARE(int(g.RoundNumber), 1);
        // Captured at the first wait after the deal: the first phase has begun its first trick.
        QCOMPARE(int(g.TricksPlayed), 1);
        const CardBox& upBox = g.Table.PicCard[up];
        QCOMPARE(upBox.Left, 100);
        QCOMPARE(upBox.Top, 100);
        QCOMPARE(upBox.Picture, int16_t(up));
        QVERIFY(upBox.Visible);

        // Four passes of three cards, the non-dealer first.
        const int32_t first = dealer == SidePlayer ? LocComputerHand : LocPlayerHand;
        const int32_t second = dealer == SidePlayer ? LocPlayerHand : LocComputerHand;
        std::vector<int32_t> expected;
        for (int pass = 0; pass < 4; ++pass) {
            expected.insert(expected.end(), 3, first);
            expected.insert(expected.end(), 3, second);
        }
        QCOMPARE(run.dealtTo, expected);

        // The non-dealer leads.
        if (dealer == SidePlayer) {
            QCOMPARE(g.Turn, SideComputer);
            QVERIFY(!g.PlayerToPlay);
            QCOMPARE(g.Table.StatusBar[2].Text, std::string("Merriel to lead a card."));
        } else {
            QCOMPARE(g.Turn, SidePlayer);
            QVERIFY(g.PlayerToPlay);
        }

        // A Nine turned up: 10 for the dealer, shown in the dealer's labels; the Nine is marked.
        const std::string bonus = nine ? "10" : "0";
        const auto& t2 = g.Table;
        QCOMPARE(dealer == SidePlayer ? t2.LblLastTrickP.Caption : t2.LblLastTrickC.Caption, bonus);
        QCOMPARE(dealer == SidePlayer ? t2.LblTotTricksP.Caption : t2.LblTotTricskC.Caption, bonus);
        QCOMPARE(dealer == SidePlayer ? t2.LblLastTrickC.Caption : t2.LblLastTrickP.Caption, std::string("0"));
        QCOMPARE(int(dealer == SidePlayer ? g.TotTricksP : g.TotTricksC), nine ? 10 : 0);
        QCOMPARE(int(g.LastTrickP + g.LastTrickC), 0);
        QCOMPARE(g.Cards[up].Melded, nine);

        // The user's hand by face: Nines, Tens, Jacks, Queens, Kings, Aces.
        std::vector<std::pair<int, int>> byFace;
        for (int i = 1; i <= CardCount; ++i)
            if (g.Cards[i].Location == LocPlayerHand) {
                const int v = g.Cards[i].Value;
                const int rank = v == ValueNine ? 0 : v == ValueTen ? 1 : v - ValueJack + 2;
                byFace.push_back({rank, i});
            }
        std::sort(byFace.begin(), byFace.end());
        for (size_t n = 0; n < byFace.size(); ++n) {
            QCOMPARE(g.Table.PicCard[byFace[n].second].Left, int(2500 + 500 * n));
            QCOMPARE(g.Table.PicCard[byFace[n].second].Top, 10080);
        }
        if (dealer == SideComputer)  // the computer's first card would already be on its way
            QCOMPARE(int(g.PauseLength), speed);
    }

    void dealerMessages_data()
    {
        QTest::addColumn<int>("dealerBefore");
        QTest::addColumn<QString>("message");
        QTest::newRow("computer deals") << 1 << "Ann a cut for dealer was made and Merriel will deal.";
        QTest::newRow("user deals") << 2 << "Ann a cut for dealer made and you will deal.";
    }
    void dealerMessages()
    {
        QFETCH(int, dealerBefore);
        QFETCH(QString, message);
        TestTable t;
        t.g.Dealer = dealerBefore;
        t.g.PlayerName = "Ann";
        t.g.BotName = "Merriel";
        QString atRiffle;
        t.plat.OnProcessEvents = [&] {
            if (atRiffle.isEmpty())
                atRiffle = QString::fromStdString(t.g.Table.StatusBar[2].Text);
            RequestFlow(t.g, FlowRequest::Exit);
        };
        RunHandler([&] { MnuNew_Click(t.g); });
        t.plat.RunScheduledFlows();
        QCOMPARE(atRiffle, message);
        QCOMPARE(t.plat.Sounds.front(), std::string("riffle.wav"));
    }

    void newGameOrNextHand_data()
    {
        QTest::addColumn<bool>("inProgress");
        QTest::newRow("new game") << false;
        QTest::newRow("next hand") << true;
    }
    void newGameOrNextHand()
    {
        QFETCH(bool, inProgress);
        TestTable t;
        Game& g = t.g;
        g.GameInProgress = inProgress;
        g.TotalScoreP = 640;
        g.TotalScoreC = 380;
        g.Table.LblTotalScoreP.Caption = "640";
        g.Table.LblTotScoreC.Caption = "380";
        g.TargetScore = 500;  // chosen from the menu
        g.RoundNumber = 2;
        g.TotTricksP = g.TotalMeldsC = 90;
        g.Table.LblTotTricksP.Caption = g.Table.LblTotMeldsC.Caption = "90";
        g.PlayerKnocked = true;
        g.Cards[3].InRun = g.Cards[3].Melded = true;
        g.Table.Caption = "Target Score 500";
        // A hand cut short with the meld panel and the knock label open.
        g.Table.FramDeclare.Visible = true;
        g.Table.LblKnock.Visible = true;
        bool sawResetAtRiffle = false;
        t.plat.OnProcessEvents = [&] {
            if (!sawResetAtRiffle) {
                sawResetAtRiffle = true;
                QCOMPARE(int(g.TotTricksP + g.TotalMeldsC), 0);
                QVERIFY(!g.PlayerKnocked);
                QVERIFY(!g.Cards[3].InRun && !g.Cards[3].Melded);
                QVERIFY(!g.Table.FramDeclare.Visible);
                QVERIFY(!g.Table.LblKnock.Visible);
                QCOMPARE(g.TrumpSuit, SuitNone);
            }
            if (g.InRound1)
                t.plat.Post([&] { RequestFlow(g, FlowRequest::Exit); });
        };
        RequestFlow(g, FlowRequest::NewHand);
        t.plat.RunScheduledFlows();
        QVERIFY(sawResetAtRiffle);
        QCOMPARE(g.Table.LblTotTricksP.Caption, std::string("0"));
        QCOMPARE(g.Table.LblTotMeldsC.Caption, std::string("0"));
        if (inProgress) {
            QCOMPARE(int(g.TotalScoreP), 640);
            QCOMPARE(int(g.TotalScoreC), 380);
            QCOMPARE(g.Table.LblTotalScoreP.Caption, std::string("640"));
            QCOMPARE(int(g.TargetScore), 500);
            QCOMPARE(g.Table.Caption, std::string("Target Score 500"));
            QCOMPARE(g.Table.StatusBar[4].Text, std::string("Round 3"));
        } else {
            QCOMPARE(int(g.TotalScoreP), 0);
            QCOMPARE(int(g.TotalScoreC), 0);
            QCOMPARE(g.Table.LblTotalScoreP.Caption, std::string("0"));
            QCOMPARE(g.Table.LblTotScoreC.Caption, std::string("0"));
            QCOMPARE(int(g.TargetScore), 1000);
            QCOMPARE(g.Table.Caption, std::string("Target Score 1000"));
            QCOMPARE(g.Table.StatusBar[4].Text, std::string("Round 1"));
        }
    }

    void dealToPlayerLeavesSpeedEvenWhenChanged()
    {
        TestTable t;
        t.Put(LocStock, {8});
        t.plat.At(t.Now() + 30, [&] { t.g.Speed = 250; });
        const uint64_t t0 = t.Now();
        DealToPlayer(t.g);
        QCOMPARE(int(t.Now() - t0), 100);
        QCOMPARE(int(t.g.PauseLength), 250);
        QCOMPARE(t.g.Cards[8].Location, LocPlayerHand);
        QCOMPARE(t.g.Table.PicCard[8].Left, 2500);
        QCOMPARE(t.g.Table.PicCard[8].Picture, int16_t(8));
    }

    void newGameDuringTheDeal_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes New Game") << 1;
        QTest::newRow("No Continue") << 0;
    }
    void newGameDuringTheDeal()
    {
        QFETCH(int, answer);
        TestTable t;
        Game& g = t.g;
        g.Dealer = SidePlayer;
        DealRun run;
        RunDeal(t, run, [&] {
            t.plat.At(t.Now() + 1500, [&] { MnuNew_Click(g); });
            t.plat.DialogAnswers.push_back(static_cast<int16_t>(answer));
        });
        QCOMPARE(t.plat.Dialogs.size(), size_t(1));
        const MessageDialogRequest& q = t.plat.Dialogs.front();
        QCOMPARE(q.Prompt, std::string("You are in the middle of a game. Really start a new one?"));
        QCOMPARE(q.Button1, std::string("No Continue"));
        QCOMPARE(q.Button2, std::string("Yes New Game"));
        QCOMPARE(q.Button3, std::string());
        QCOMPARE(q.Icon, IconQuestion);
        QCOMPARE(q.Title, std::string("Leave this game?"));

        const bool restarted = answer == 1;
        QCOMPARE(g.FlowSerial, uint64_t(restarted ? 2 : 1));
        QCOMPARE(run.cleanAtFlowStart, std::vector<bool>(restarted ? 2 : 1, true));
        // The deal that finished dealt exactly 24 cards; the abandoned one none after New Game.
        const auto lastFlowCards = std::count(run.flowOfDeal.begin(), run.flowOfDeal.end(), g.FlowSerial);
        QCOMPARE(int(lastFlowCards), 24);
        if (restarted) {
            const auto firstEnd = std::find(run.flowOfDeal.begin(), run.flowOfDeal.end(), uint64_t(2));
            QVERIFY(std::find(firstEnd, run.flowOfDeal.end(), uint64_t(1)) == run.flowOfDeal.end());
        }
        QCOMPARE(CountAt(g, LocPlayerHand), 12);
        QCOMPARE(CountAt(g, LocComputerHand), 12);
        QCOMPARE(CountAt(g, LocStock), 23);
        QCOMPARE(int(g.RoundNumber), 1);
        // Each deal swaps the dealer, the abandoned one too.
        QCOMPARE(g.Dealer, restarted ? SidePlayer : SideComputer);
        QCOMPARE(g.WaitDepth, 0);
        QCOMPARE(g.GamesWon[SidePlayer] + g.GamesWon[SideComputer], 0);
    }
};

QTEST_APPLESS_MAIN(DealTest)
#include "test_deal.moc"
