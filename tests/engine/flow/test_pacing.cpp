// Pauses, waits for the user, and the replacement of a running flow, on the virtual clock.
#include <QtTest>

#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"
#include "engine/handlers/Knock.h"
#include "engine/melds/MeldLayout.h"
#include "engine/steps/CardMoves.h"
#include "engine/steps/Layout.h"
#include "tests/support/ModalWaits.h"
#include "tests/support/TestTable.h"

namespace {

// A stand-in for a hand: it moves card box 1 to say which flow moved it last, pauses, and
// waits for the user's "card" again and again.
struct FakeHand {
    std::vector<uint64_t> moves;         // FlowSerial of every move
    std::vector<uintptr_t> entryFrames;  // stack position at every flow start
    int starts = 0;

    void EnterAt(Game& g)
    {
        g.HandEntry = [this](Game& game) { Play(game); };
    }

    void Play(Game& g)
    {
        const uint64_t me = g.FlowSerial;
        ++starts;
        entryFrames.push_back(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)));
        for (int k = 0; k < 1000; ++k) {
            g.Table.PicCard[1].Left = static_cast<int>(me);
            moves.push_back(me);
            g.PauseLength = 100;
            Pause(g);
            g.PlayerToPlay = true;
            WaitWhile(g, g.PlayerToPlay);
        }
    }
};

}  // namespace

class PacingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { log_ = {}; }

    void pauseOfZeroOrLessHandlesNoEvent_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -5;
    }
    void pauseOfZeroOrLessHandlesNoEvent()
    {
        QFETCH(int, length);
        TestTable t;
        bool ran = false;
        t.plat.Post([&] { ran = true; });
        t.g.PauseLength = static_cast<int16_t>(length);
        const uint64_t before = t.Now();
        Pause(t.g);
        QCOMPARE(t.plat.ProcessEventsCalls, uint64_t(0));
        QVERIFY(!ran);
        QCOMPARE(t.Now(), before);
    }

    void pauseLastsItsLengthAndHandlesEvents_data()
    {
        QTest::addColumn<uint>("startTick");
        QTest::addColumn<int>("length");
        QTest::newRow("25 ms") << 1000u << 25;
        QTest::newRow("speed") << 1000u << 250;
        QTest::newRow("across the wrap") << 0xFFFFFFF0u << 100;
        QTest::newRow("starting at the wrap") << 0xFFFFFFFFu << 30;
    }
    void pauseLastsItsLengthAndHandlesEvents()
    {
        QFETCH(uint, startTick);
        QFETCH(int, length);
        TestTable t(1, startTick);
        int ran = 0;
        t.plat.At(t.Now() + 10, [&] { ++ran; });
        t.g.PauseLength = static_cast<int16_t>(length);
        const uint64_t before = t.Now();
        Pause(t.g);
        QCOMPARE(t.Now() - before, uint64_t(length));
        QCOMPARE(ran, 1);
        QCOMPARE(t.g.PauseStart, static_cast<uint32_t>(startTick));
    }

    void innerPauseMovesTheOuterPausesEnd()
    {
        // A handler running inside a pause starts its own: the outer one then ends by the
        // values the inner one left in PauseStart and PauseLength.
        TestTable t;
        const uint64_t t0 = t.Now();
        t.plat.At(t0 + 100, [&] {
            t.g.PauseLength = 50;
            Pause(t.g);
        });
        t.g.PauseLength = 1000;
        Pause(t.g);
        QCOMPARE(t.Now() - t0, uint64_t(150));
    }

    void waitEndsOnlyAfterTheHandlerReturned()
    {
        TestTable t;
        t.g.PlayerToPlay = true;
        bool handlerDone = false;
        t.plat.At(t.Now() + 40, [&] {
            t.g.PlayerToPlay = false;  // cleared first, as a card click does
            t.g.PauseLength = 60;
            Pause(t.g);
            handlerDone = true;
        });
        WaitWhile(t.g, t.g.PlayerToPlay);
        QVERIFY(handlerDone);
        QCOMPARE(t.Now(), uint64_t(100));
    }

    void waitAtLeastOnceHandlesPendingEvents()
    {
        TestTable t;
        bool ran = false;
        t.plat.Post([&] { ran = true; });
        const bool flag = false;
        WaitWhile(t.g, flag, true);
        QVERIFY(ran);
        QCOMPARE(t.plat.ProcessEventsCalls, uint64_t(1));
        WaitWhile(t.g, flag);  // without it nothing is handled
        QCOMPARE(t.plat.ProcessEventsCalls, uint64_t(1));
    }

    void waitForTheUserThatNeverComesIsReported()
    {
        TestTable t;
        t.g.PlayerToPlay = true;
        QVERIFY_THROWS_EXCEPTION(EngineHang, WaitWhile(t.g, t.g.PlayerToPlay));
    }

    void replacedFlowNeverResumes()
    {
        // New Game asked for from a pause inside a card handler inside the wait for the card.
        TestTable t;
        log_.EnterAt(t.g);
        int clicks = 0;
        t.plat.OnIdle = [&] {
            t.plat.Post([&] {
                ++clicks;
                t.g.PlayerToPlay = false;
                t.g.PauseLength = 300;
                Pause(t.g);
            });
            if (clicks == 3)
                t.plat.At(t.Now() + 150, [&] { RequestFlow(t.g, FlowRequest::NewHand); });
            if (clicks == 8)
                t.plat.Post([&] { RequestFlow(t.g, FlowRequest::Exit); });
            return true;
        };
        RequestFlow(t.g, FlowRequest::NewHand);
        t.plat.RunScheduledFlows();

        QVERIFY(t.plat.Ended);
        QCOMPARE(log_.starts, 2);
        QCOMPARE(t.g.WaitDepth, 0);
        QVERIFY(!t.g.FlowRunning);
        // Every move of flow 1 comes before every move of flow 2.
        const auto firstOfTwo = std::find(log_.moves.begin(), log_.moves.end(), uint64_t(2));
        QVERIFY(firstOfTwo != log_.moves.end());
        QVERIFY(std::find(firstOfTwo, log_.moves.end(), uint64_t(1)) == log_.moves.end());
        QCOMPARE(log_.entryFrames[0], log_.entryFrames[1]);
    }

    void manyReplacementsKeepTheStackFlat()
    {
        TestTable t;
        log_.EnterAt(t.g);
        int clicks = 0;
        t.plat.OnIdle = [&] {
            ++clicks;
            if (clicks == 500) {
                t.plat.Post([&] { RequestFlow(t.g, FlowRequest::Exit); });
                return true;
            }
            // Each click of the user also asks for a new game, from inside its own pause.
            t.plat.Post([&] {
                t.g.PlayerToPlay = false;
                t.g.PauseLength = 20;
                Pause(t.g);
            });
            t.plat.At(t.Now() + 5, [&] { RequestFlow(t.g, FlowRequest::NewHand); });
            return true;
        };
        RequestFlow(t.g, FlowRequest::NewHand);
        t.plat.RunScheduledFlows();
        QVERIFY(t.plat.Ended);
        QVERIFY(log_.starts > 400);
        for (uintptr_t f : log_.entryFrames)
            QCOMPARE(f, log_.entryFrames.front());
        QCOMPARE(t.g.WaitDepth, 0);
    }

    void exitEndsEverythingAtOnce()
    {
        TestTable t;
        log_.EnterAt(t.g);
        t.plat.At(250, [&] { RequestFlow(t.g, FlowRequest::Exit); });
        t.plat.OnIdle = [&] {
            t.plat.Post([&] { t.g.PlayerToPlay = false; });
            return true;
        };
        RequestFlow(t.g, FlowRequest::NewHand);
        t.plat.RunScheduledFlows();
        QVERIFY(t.plat.Ended);
        QCOMPARE(log_.starts, 1);
        // Moves at 0, 100 and 200 ms; none after the exit at 250.
        QCOMPARE(log_.moves.size(), size_t(3));
        QCOMPARE(t.Now(), uint64_t(250));
    }

    void requestWhileIdleSchedulesTheRunner()
    {
        TestTable t;
        log_.EnterAt(t.g);
        QVERIFY(!t.plat.FlowRunnerScheduled);
        RequestFlow(t.g, FlowRequest::Exit);
        QVERIFY(t.plat.FlowRunnerScheduled);
        t.plat.RunScheduledFlows();
        QVERIFY(t.plat.Ended);
        QCOMPARE(log_.starts, 0);
    }

    void flowAskedForInsideAWaitStartsBackAtTheTop_data()
    {
        QTest::addColumn<QString>("wait");
        for (const QString& wait : QStringList{"pause", "flag wait"} + ModalWaits)
            QTest::newRow(qPrintable(wait)) << wait;
    }
    void flowAskedForInsideAWaitStartsBackAtTheTop()
    {
        // With no flow running, a handler's wait is open when New Game is asked for inside it.
        QFETCH(QString, wait);
        TestTable t;
        int starts = 0;
        t.g.HandEntry = [&](Game&) { ++starts; };
        auto ask = [&] { RequestFlow(t.g, FlowRequest::NewHand); };
        t.plat.WhileModal = ask;
        t.plat.OnIdle = [&] {
            t.plat.Post(ask);
            return true;
        };
        RunHandler([&] {
            if (wait == "pause") {
                t.plat.At(t.Now() + 10, ask);
                t.g.PauseLength = 100;
                Pause(t.g);
            } else if (wait == "flag wait") {
                t.g.PlayerToPlay = true;
                WaitWhile(t.g, t.g.PlayerToPlay);
            } else {
                OpenModalWait(t.g, wait);
            }
        });
        QCOMPARE(starts, 0);  // neither inside the wait nor inside the handler
        t.plat.RunScheduledFlows();
        QCOMPARE(starts, 1);
        QCOMPARE(t.g.WaitDepth, 0);
    }

    void anAbandonedStepLeavesThePaceAtSpeed_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("the user's card played") << "play";
        QTest::newRow("a trick gathered") << "collect";
        QTest::newRow("a meld card presented") << "meld";
        QTest::newRow("the user's knock") << "knock";
    }
    void anAbandonedStepLeavesThePaceAtSpeed()
    {
        // New Game asked for in the middle of a step that has its own pace: the step unwinds,
        // and its pace does not outlive it.
        QFETCH(QString, step);
        TestTable t;
        t.Put(LocPlayerHand, {1});
        t.g.TrickCard1 = 1;
        t.g.TrickCard2 = 2;
        t.g.InRound1 = true;
        int16_t paceWhenAsked = 0;
        const uint64_t start = t.Now();
        t.plat.At(start + 10, [&] {
            paceWhenAsked = t.g.PauseLength;
            RequestFlow(t.g, FlowRequest::NewHand);
        });
        RunHandler([&] {
            if (step == "play")
                PlayerPlaysCard(t.g, 1);
            else if (step == "collect")
                CollectTrick(t.g, SidePlayer);
            else if (step == "meld")
                PlaceMeldCard(t.g, SidePlayer, 1, 1);
            else
                LblKnock_Click(t.g);
        });
        QCOMPARE(t.Now(), start + 10);  // cut short at the request
        QVERIFY(paceWhenAsked != t.g.Speed);
        QCOMPARE(t.g.PauseLength, t.g.Speed);
    }

    void cardSoundStartsBeforeThePause()
    {
        TestTable t;
        t.g.PauseLength = 40;
        PauseWithCardSound(t.g);
        QCOMPARE(t.plat.Sounds, std::vector<std::string>{"carddeal1.wav"});
        QCOMPARE(t.Now(), uint64_t(40));
    }

private:
    FakeHand log_;
};

QTEST_APPLESS_MAIN(PacingTest)
#include "test_pacing.moc"
