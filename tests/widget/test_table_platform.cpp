// The Qt platform layer: its clock and waits (asleep, not spinning), the flow runner at the top
// of the event loop, the program's end, the plain dialogs, sounds and random numbers.
#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QtTest>
#include <ctime>

#include "app/QtPlatform.h"
#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"
#include "table/TableHost.h"
#include "tests/support/ModalWaits.h"
#include "tests/support/WhenOpen.h"

namespace {

struct FakeWindow : TableHost {
    int shown = 0;
    bool unloaded = false;
    void ShowModel() override { ++shown; }
    void Unload() override { unloaded = true; }
    QWidget* DialogParent() override { return nullptr; }
};

struct Setup {
    explicit Setup(uint32_t firstTick = 0) : plat(firstTick), g(plat)
    {
        plat.Attach(g, &window);
        g.HandEntry = [this](Game&) { ++hands; };
    }
    FakeWindow window;
    QtPlatform plat;
    Game g;
    int hands = 0;
};

double ThreadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

}  // namespace

class TablePlatformTest : public QObject {
    Q_OBJECT
private slots:
    void pauseLastsItsLength_data()
    {
        QTest::addColumn<uint>("firstTick");
        QTest::addColumn<int>("length");
        QTest::newRow("short") << 0u << 25;
        QTest::newRow("across the wrap") << 0xFFFFFFF0u << 60;
    }
    void pauseLastsItsLength()
    {
        QFETCH(uint, firstTick);
        QFETCH(int, length);
        Setup s(firstTick);
        const uint32_t start = s.plat.GetTickCount();
        s.g.PauseLength = int16_t(length);
        Pause(s.g);
        const uint32_t elapsed = s.plat.GetTickCount() - start;
        QVERIFY2(elapsed >= uint32_t(length), qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < uint32_t(length) + 1000, qPrintable(QString::number(elapsed)));
    }

    void pauseSleepsInsteadOfSpinning()
    {
        Setup s;
        s.g.PauseLength = 200;
        const double cpuBefore = ThreadCpuMs();
        Pause(s.g);
        QVERIFY2(ThreadCpuMs() - cpuBefore < 50, "the pause kept the processor busy");
    }

    void eventsAreHandledDuringAPause()
    {
        Setup s;
        bool handled = false;
        QTimer::singleShot(10, [&] { handled = true; });
        const uint32_t start = s.plat.GetTickCount();
        s.g.PauseLength = 80;
        Pause(s.g);
        QVERIFY(handled);
        QVERIFY(s.plat.GetTickCount() - start >= 80);
    }

    void waitForTheUserWakesOnAnEvent()
    {
        Setup s;
        s.g.PlayerToPlay = true;
        QTimer::singleShot(20, [&] { s.g.PlayerToPlay = false; });
        WaitWhile(s.g, s.g.PlayerToPlay);
        QVERIFY(!s.g.PlayerToPlay);
        QCOMPARE(s.g.WaitDepth, 0);
    }

    void reachedDeadlineHandlesWhatIsPendingAndReturns()
    {
        Setup s;
        bool handled = false;
        QMetaObject::invokeMethod(&s.plat, [&] { handled = true; }, Qt::QueuedConnection);
        s.plat.ProcessEvents(s.plat.GetTickCount() - 5);
        QVERIFY(handled);
        QVERIFY(s.window.shown >= 1);  // the window was brought up to date first
    }

    void flowRunnerStartsTheHandFromTheTop()
    {
        Setup s;
        RequestFlow(s.g, FlowRequest::NewHand);
        QCOMPARE(s.hands, 0);  // never from inside the request
        QCoreApplication::processEvents();
        QCOMPARE(s.hands, 1);
        QVERIFY(!s.g.FlowRunning);
        QCOMPARE(s.g.PendingFlow, FlowRequest::None);
    }

    void flowAskedForInsideAModalWaitStartsOnceBackAtTheTop_data()
    {
        QTest::addColumn<QString>("wait");
        for (const QString& wait : ModalWaits)
            QTest::newRow(qPrintable(wait)) << wait;
    }
    void flowAskedForInsideAModalWaitStartsOnceBackAtTheTop()
    {
        // A handler with no flow running opens a box; New Game is asked for inside it, and the
        // box stays open long enough for the event loop to have its turn.
        QFETCH(QString, wait);
        Setup s;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            RequestFlow(s.g, FlowRequest::NewHand);
            QTimer::singleShot(20, box, [box] { box->done(QDialog::Rejected); });
        });
        RunHandler([&] { OpenModalWait(s.g, wait); });
        QCOMPARE(s.hands, 0);
        QCoreApplication::processEvents();
        QCOMPARE(s.hands, 1);
    }

    void exitUnloadsTheWindowAndEnds()
    {
        Setup s;
        RequestFlow(s.g, FlowRequest::Exit);
        QCoreApplication::processEvents();
        QVERIFY(s.window.unloaded);
        QVERIFY(s.plat.Ended());
        RequestFlow(s.g, FlowRequest::NewHand);  // nothing starts after the end
        QCoreApplication::processEvents();
        QCOMPARE(s.hands, 0);
    }

    void plainMessageBox()
    {
        Setup s;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        Qt::TextFormat format = Qt::RichText;
        int depth = -1;
        const auto answering = WhenOpen<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            format = box->textFormat();
            depth = s.g.WaitDepth;
            box->accept();
        });
        MsgBox(s.g, " You have changed <b>target</b> score");
        QCOMPARE(title, QString("Quillmere"));
        QCOMPARE(text, QString(" You have changed <b>target</b> score"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(depth, 1);  // the runner must not start a hand inside the box
        QCOMPARE(s.g.WaitDepth, 0);
    }

    void yesNoQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void yesNoQuestion()
    {
        QFETCH(bool, yes);
        Setup s;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const auto answering = WhenOpen<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            icon = box->icon();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        const bool answer = s.plat.MsgBoxYesNo("If you wish to enter or change the player's name click Yes",
                                               "New Name");
        QCOMPARE(answer, yes);
        QCOMPARE(title, QString("New Name"));
        QCOMPARE(icon, QMessageBox::Question);
    }

    void inputBox_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("a name") << true << "Anne" << "Anne";
        QTest::newRow("cancel") << false << "Anne" << "";
        QTest::newRow("nothing typed") << true << "" << "";
    }
    void inputBox()
    {
        QFETCH(bool, ok);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        Setup s;
        QString title, prompt, startText = "?";
        const auto answering = WhenOpen<QInputDialog>([&](QInputDialog* box) {
            title = box->windowTitle();
            prompt = box->labelText();
            startText = box->textValue();
            box->setTextValue(typed);
            ok ? box->accept() : box->reject();
        });
        QCOMPARE(QString::fromStdString(s.plat.InputBox("Please enter player's name.", "Player's Name")), answer);
        QCOMPARE(title, QString("Player's Name"));
        QCOMPARE(prompt, QString("Please enter player's name."));
        QCOMPARE(startText, QString());
    }

    void soundsNeverHoldTheGameUp()
    {
        Setup s;
        const uint32_t start = s.plat.GetTickCount();
        for (const char* name : {"no such sound.wav", "\\knock.wav", "carddeal1.wav", "carddeal1.wav"})
            s.plat.PlaySound(name);
        s.g.PauseLength = 30;
        Pause(s.g);
        QVERIFY(s.plat.GetTickCount() - start < 2000);
    }

    void randomNumbersStayBelowOne()
    {
        Setup a, b;
        a.plat.Randomize();
        double sum = 0;
        bool differ = false;
        for (int i = 0; i < 20000; ++i) {
            const double r = a.plat.Rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
            sum += r;
            differ = differ || r != b.plat.Rnd();
        }
        QVERIFY(qAbs(sum / 20000 - 0.5) < 0.02);
        QVERIFY(differ);  // each run seeds from the clock
    }
};

QTEST_MAIN(TablePlatformTest)
#include "test_table_platform.moc"
