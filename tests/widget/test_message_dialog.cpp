// The message dialog, offscreen: its layout, its look, and which mouse actions answer.
#include <QtTest>

#include <QScreen>
#include <functional>

#include "dialog/DeluxeDialog.h"
#include "dialog/MessageDialog.h"
#include "engine/flow/DeluxeMsgBox.h"
#include "tests/support/TestTable.h"
#include "tests/support/WhenOpen.h"

namespace {

MFormDeluxe* TheDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<MFormDeluxe*>(w))
            return d;
    return nullptr;
}

MessageDialogRequest Request(int buttons, const std::string& prompt = "Your total score is 350 against 410",
                             const std::string& title = "Total Scores")
{
    return {prompt, "O.K", buttons > 1 ? "Maybe" : "", buttons > 2 ? "Never" : "", IconCards, title};
}

// Where a point of one of the dialog's parts lies in the dialog's window.
QPoint InDialog(MFormDeluxe& d, QWidget* part, QPoint local) { return part->mapTo(&d, local); }

// Mouse actions as the window system delivers them: the widget under the pointer takes the
// press and, until the release, every mouse event.
void Press(MFormDeluxe& d, QWidget* part, QPoint local, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mousePress(d.windowHandle(), b, {}, InDialog(d, part, local));
}
void Release(MFormDeluxe& d, QWidget* part, QPoint local, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseRelease(d.windowHandle(), b, {}, InDialog(d, part, local));
}
void Click(MFormDeluxe& d, QWidget* part, QPoint local, Qt::MouseButton b = Qt::LeftButton)
{
    Press(d, part, local, b);
    Release(d, part, local, b);
}
void ClickCaption(MFormDeluxe& d, int i) { Click(d, d.Pic1(i)->Caption(), d.Pic1(i)->Caption()->rect().center()); }

// Shows the dialog and, once it is up, runs act on it. A dialog act left open is closed
// without an answer, so a failure cannot hang the test.
int16_t AskWhile(const MessageDialogRequest& r, const std::function<void(MFormDeluxe&)>& act)
{
    bool acted = false;
    const auto answering = WhenOpen<MFormDeluxe>([&](MFormDeluxe* d) {
        acted = true;
        act(*d);
        if (d->isVisible())
            d->done(QDialog::Rejected);
    });
    const int16_t answer = ShowDeluxeMsgBox(r);
    return acted ? answer : int16_t(-99);
}

// The colour at a logical pixel, on a screen of any pixel ratio.
QColor PixelAt(const QImage& image, int x, int y)
{
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(int(x * dpr), int(y * dpr));
}

const QColor Light(240, 240, 240), Dark(128, 128, 128), Blue(0, 0, 255);

// The platform of a game whose dialogs are the real window.
struct DialogPlatform : VirtualPlatform {
    int16_t ShowMessageDialog(const MessageDialogRequest& r) override
    {
        Dialogs.push_back(r);
        return AskWhile(r, [this](MFormDeluxe& d) { ClickCaption(d, NextClick); });
    }
    int NextClick = 0;
};

}  // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT
private slots:
    void layoutInTwips_data()
    {
        QTest::addColumn<double>("promptHeight");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("buttonTop");
        QTest::addColumn<double>("iconTop");
        QTest::addColumn<QList<double>>("lefts");  // of the buttons shown
        QTest::newRow("one button") << 285.0 << 1 << 1425.0 << 1035.0 << 457.5 << QList<double>{1612.5};
        QTest::newRow("two buttons") << 285.0 << 2 << 1425.0 << 1035.0 << 457.5 << QList<double>{952, 2273};
        QTest::newRow("three buttons") << 285.0 << 3 << 1425.0 << 1035.0 << 457.5
                                       << QList<double>{292.5, 1612.5, 2932.5};
        QTest::newRow("three lines") << 855.0 << 2 << 1995.0 << 1605.0 << 742.5 << QList<double>{952, 2273};
    }
    void layoutInTwips()
    {
        QFETCH(double, promptHeight);
        QFETCH(int, buttons);
        QFETCH(double, height);
        QFETCH(double, buttonTop);
        QFETCH(double, iconTop);
        QFETCH(QList<double>, lefts);
        const DeluxeLayout l = LayOutDeluxe(promptHeight, buttons > 1, buttons > 2);
        QCOMPARE(l.Width, 4500.0);
        QCOMPARE(l.Height, height);
        QCOMPARE(l.ButtonTop, buttonTop);
        QCOMPARE(l.Height - l.ButtonTop, 390.0);
        QCOMPARE(l.IconTop, iconTop);
        QCOMPARE(l.IconLeft, 3900.0);
        QCOMPARE(l.TitleLeft, 45.0);
        QCOMPARE(l.TitleTop, 60.0);
        QCOMPARE(l.TitleWidth, 4410.0);
        QCOMPARE(l.TitleHeight, 300.0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(l.ButtonVisible[i], i < buttons);
            if (i < buttons)
                QCOMPARE(l.ButtonLeft[i], lefts[i]);
        }
    }

    void thirdButtonWithoutSecondStandsClear()
    {
        const DeluxeLayout l = LayOutDeluxe(285, false, true);
        QVERIFY(l.ButtonVisible[0] && !l.ButtonVisible[1] && l.ButtonVisible[2]);
        QCOMPARE(l.ButtonLeft[0], 1612.5);
        QVERIFY(l.ButtonLeft[2] >= l.ButtonLeft[0] + l.ButtonWidth);
        QVERIFY(l.ButtonLeft[2] + l.ButtonWidth <= l.Width);
    }

    void windowFollowsTheLayout_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("lefts");  // pixels, of the buttons shown
        QTest::newRow("one line, one button") << 1 << "Your total is 350" << "Total Scores" << 1
                                              << QList<int>{108};
        QTest::newRow("two buttons, two lines") << 2 << "Your total score is 350 against 410" << "Really Exit?"
                                                << 2 << QList<int>{63, 152};
        QTest::newRow("three buttons") << 3 << "Hi" << "" << 1 << QList<int>{20, 108, 196};
        QTest::newRow("wrapped") << 2
                                 << "Ann You are in the middle of a game. Do you really wish to Exit the game?"
                                 << "Really Exit?" << 3 << QList<int>{63, 152};
        QTest::newRow("one word too wide") << 1 << QString(60, 'W') << "Long" << 5 << QList<int>{108};
        QTest::newRow("empty prompt") << 1 << "" << "Empty" << 1 << QList<int>{108};
    }
    void windowFollowsTheLayout()
    {
        QFETCH(int, buttons);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(int, lines);
        QFETCH(QList<int>, lefts);
        MFormDeluxe d;
        d.LayOut(Request(buttons, prompt.toStdString(), title.toStdString()));
        const int promptHeight = 19 * lines;
        const int h = promptHeight + 76;
        QCOMPARE(d.size(), QSize(300, h));
        QCOMPARE(d.Label3()->geometry(), QRect(3, 4, 294, 20));
        QCOMPARE(d.Label3()->Text(), "   " + title);
        QCOMPARE(d.Label2()->geometry(), QRect(6, 30, 225, promptHeight));
        QCOMPARE(d.Label2()->Text(), prompt);
        QCOMPARE(d.Picture1()->geometry(), QRect(260, Px(h * 15 / 2.0 - 255), 34, 34));
        QCOMPARE(d.Picture1()->Icon(), int(IconCards));
        const QStringList captions{"O.K", "Maybe", "Never"};
        for (int i = 0; i < 3; ++i) {
            DeluxeButton* b = d.Pic1(i);
            QCOMPARE(b->isVisibleTo(&d), i < buttons);
            if (i >= buttons)
                continue;
            QCOMPARE(b->geometry(), QRect(lefts[i], h - 26, 85, 20));
            QCOMPARE(b->Caption()->geometry(), QRect(1, 1, 83, 18));
            QCOMPARE(b->Caption()->Text(), captions[i]);
        }
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(d.pos(), QPoint(Px((screen.width() - 300) * 7.5), Px((screen.height() - h) * 7.5)));
    }

    void promptTallerThanTheScreenKeepsTheButtonsOnIt()
    {
        // A name of thousands of letters: the prompt shows what fits, the buttons stay reachable.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const std::string prompt = std::string(20000, 'N') + " you won the last trick";
        const int16_t answer = AskWhile(Request(2, prompt), [&](MFormDeluxe& d) {
            QVERIFY(d.height() <= screen.height());
            QVERIFY(d.height() > screen.height() - 19);
            QCOMPARE(d.height() - d.Pic1(1)->y(), 26);
            QVERIFY(screen.contains(d.Pic1(1)->mapToGlobal(d.Pic1(1)->rect().bottomRight())));
            ClickCaption(d, 1);
        });
        QCOMPARE(answer, int16_t(1));
    }

    void answers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("clicked");
        QTest::newRow("only button") << 1 << 0;
        QTest::newRow("second of two") << 2 << 1;
        QTest::newRow("first of two") << 2 << 0;
        QTest::newRow("third of three") << 3 << 2;
        QTest::newRow("second of three") << 3 << 1;
    }
    void answers()
    {
        QFETCH(int, buttons);
        QFETCH(int, clicked);
        const int16_t answer = AskWhile(Request(buttons), [&](MFormDeluxe& d) { ClickCaption(d, clicked); });
        QCOMPARE(answer, int16_t(clicked));
        MFormDeluxe* d = TheDialog();
        QVERIFY(d);
        QVERIFY(d->isHidden());  // hidden, kept for the next question
        QVERIFY(d->Pic1(clicked)->IsPressed());
    }

    void onlyAClickOnACaptionAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("press on a caption, release outside") << "out";
        QTest::newRow("press on one caption, release on another") << "across";
        QTest::newRow("press elsewhere, release on a caption") << "into";
        QTest::newRow("right button") << "right";
        QTest::newRow("button frame") << "frame";
        QTest::newRow("prompt") << "prompt";
        QTest::newRow("icon") << "icon";
        QTest::newRow("title strip") << "title";
        QTest::newRow("dialog edge") << "edge";
        QTest::newRow("keys") << "keys";
        QTest::newRow("close command") << "close";
    }
    void onlyAClickOnACaptionAnswers()
    {
        // After the action the dialog is still up; a click on the second caption then answers.
        QFETCH(QString, action);
        bool stillUp = false;
        bool sunk = false;
        const int16_t answer = AskWhile(Request(3), [&](MFormDeluxe& d) {
            DeluxeCaption* c0 = d.Pic1(0)->Caption();
            const QPoint mid = c0->rect().center();
            if (action == "out") {
                Press(d, c0, mid);
                Release(d, c0, QPoint(mid.x(), -25));
            } else if (action == "across") {
                Press(d, c0, mid);
                Release(d, d.Pic1(2)->Caption(), mid);
            } else if (action == "into") {
                Press(d, d.Label2(), {5, 5});
                Release(d, c0, mid);
            } else if (action == "right") {
                Click(d, c0, mid, Qt::RightButton);
            } else if (action == "frame") {
                for (QPoint p : {QPoint(0, 0), QPoint(84, 10), QPoint(40, 19), QPoint(0, 10)})
                    Click(d, d.Pic1(0), p);
            } else if (action == "prompt") {
                Click(d, d.Label2(), {3, 3});
            } else if (action == "icon") {
                Click(d, d.Picture1(), {16, 16});
            } else if (action == "title") {
                Click(d, d.Label3(), {40, 10});
            } else if (action == "edge") {
                Click(d, &d, {1, 1});
            } else if (action == "keys") {
                for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_O})
                    QTest::keyClick(d.windowHandle(), k);
                QTest::keyClick(d.windowHandle(), Qt::Key_F4, Qt::AltModifier);
            } else {
                d.close();
            }
            stillUp = d.isVisible();
            sunk = d.Pic1(0)->IsPressed();
            ClickCaption(d, 1);
        });
        QVERIFY(stillUp);
        QCOMPARE(answer, int16_t(1));
        const bool pressedTheFirst = action == "out" || action == "across" || action == "right";
        QCOMPARE(sunk, pressedTheFirst);
    }

    // Press and release on the first button, in its own pixels (85 x 20, a one-pixel frame); an
    // action that does not answer is followed by a click on the second caption.
    void aClickInsideTheFrameAnswers_data()
    {
        QTest::addColumn<bool>("sunkBefore");  // by a right-button press that gave no answer
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("answer");
        QTest::newRow("release on the first inner column") << false << QPoint(40, 10) << QPoint(1, 10) << 0;
        QTest::newRow("release on the first inner row") << false << QPoint(40, 10) << QPoint(40, 1) << 0;
        QTest::newRow("release on the last inner pixel") << false << QPoint(40, 10) << QPoint(83, 18) << 0;
        QTest::newRow("both on the inner corner, sunk") << true << QPoint(1, 1) << QPoint(1, 1) << 0;
        QTest::newRow("release on the frame") << false << QPoint(40, 10) << QPoint(0, 10) << 1;
        QTest::newRow("press on the frame, sunk") << true << QPoint(40, 0) << QPoint(40, 10) << 1;
    }
    void aClickInsideTheFrameAnswers()
    {
        QFETCH(bool, sunkBefore);
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(int, answer);
        const int16_t got = AskWhile(Request(2), [&](MFormDeluxe& d) {
            DeluxeButton* b = d.Pic1(0);
            if (sunkBefore)
                Click(d, b, {40, 10}, Qt::RightButton);
            Press(d, b, press);
            Release(d, b, release);
            if (d.isVisible())
                ClickCaption(d, 1);
        });
        QCOMPARE(got, int16_t(answer));
    }

    void pressedLookUntilTheNextDialog()
    {
        MFormDeluxe* d = nullptr;
        QImage raised, pressed;
        QRect pressedCaption;
        AskWhile(Request(2), [&](MFormDeluxe& dialog) {
            d = &dialog;
            raised = dialog.Pic1(0)->grab().toImage();
            Press(dialog, dialog.Pic1(0)->Caption(), {10, 10});
            pressed = dialog.Pic1(0)->grab().toImage();
            pressedCaption = dialog.Pic1(0)->Caption()->geometry();
            Release(dialog, dialog.Pic1(0)->Caption(), {10, 10});
        });
        QVERIFY(d);
        QCOMPARE(pressedCaption, QRect(2, 2, 82, 17));
        // Raised: light outline, dark bottom and right edges; the right edge stops short of the
        // top row. Sunk: the colours swapped.
        struct Probe { int x, y; QColor raised; };
        const Probe probes[] = {{0, 0, Light}, {40, 0, Light}, {0, 10, Light}, {84, 0, Light},
                                {84, 1, Dark}, {84, 19, Dark}, {0, 19, Dark}, {83, 19, Dark}, {3, 10, Blue}};
        for (const Probe& p : probes) {
            QCOMPARE(PixelAt(raised, p.x, p.y), p.raised);
            const QColor sunk = p.raised == Light ? Dark : p.raised == Dark ? Light : Blue;
            QCOMPARE(PixelAt(pressed, p.x, p.y), sunk);
        }
        QVERIFY(d->Pic1(0)->IsPressed());
        d->LayOut(Request(1));
        QVERIFY(!d->Pic1(0)->IsPressed());
        QCOMPARE(d->Pic1(0)->Caption()->geometry(), QRect(1, 1, 83, 18));
    }

    void dialogFrameAndScreenshots_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("icon");
        QTest::newRow("one") << 1 << "Your total score is 350 against 410" << int(IconCards);
        QTest::newRow("two") << 2 << "Ann You are in the middle of a game. Do you really wish to Exit the game?"
                             << int(IconQuestion);
        QTest::newRow("three") << 3 << "Ann Sorry, you must knock during Round 1. Merriel might catch you up on Trick Scores"
                               << int(IconInfo);
    }
    void dialogFrameAndScreenshots()
    {
        QFETCH(int, buttons);
        QFETCH(QString, prompt);
        QFETCH(int, icon);
        MFormDeluxe d;
        MessageDialogRequest r = Request(buttons, prompt.toStdString(), "Really Exit?");
        r.Icon = int16_t(icon);
        d.LayOut(r);
        const QImage image = d.grab().toImage();
        const QString shots = qEnvironmentVariable("QUILLMERE_SHOTS");
        if (!shots.isEmpty())
            QVERIFY(image.save(QDir(shots).filePath(QStringLiteral("dialog-%1.png").arg(buttons))));
        const int w = d.width(), h = d.height();
        QCOMPARE(image.deviceIndependentSize().toSize(), d.size());
        struct Probe { int x, y; QColor colour; };
        const Probe probes[] = {{0, 0, Blue},        {1, 1, Light},         {w - 2, 1, Light}, {w - 2, 2, Light},
                                {w - 2, 3, Dark},    {w - 2, h - 2, Dark},  {1, h - 2, Dark},  {1, h - 3, Light},
                                {w - 1, h - 1, Blue}, {2, h / 2, Blue}};
        for (const Probe& p : probes)
            QCOMPARE(PixelAt(image, p.x, p.y), p.colour);
        QCOMPARE(PixelAt(image, 3, 4), QColor(0, 0, 0));       // the title strip's border
        QCOMPARE(PixelAt(image, 10, 20), QColor(0, 0, 64));    // and its ground
    }

    void answerReachesDialogButton()
    {
        // Through the engine: each answer lands in DialogButton, which a later dialog leaves
        // alone until its own click; every dialog rings once, from the engine.
        DialogPlatform plat;
        Game g(plat);
        plat.G = &g;
        for (int click : {1, 0, 2, 2}) {
            plat.NextClick = click;
            DeluxeMsgBox(g, "Question", "A", "B", "C", IconQuestion, "Title");
            QCOMPARE(g.DialogButton, int16_t(click));
        }
        QCOMPARE(plat.Sounds, std::vector<std::string>(4, "ringout.wav"));
    }

    void questionWhileOneIsOpenGoesUnanswered()
    {
        int16_t inner = 0;
        QString promptMeanwhile;
        const int16_t outer = AskWhile(Request(2, "First"), [&](MFormDeluxe& d) {
            inner = ShowDeluxeMsgBox(Request(1, "Second"));
            promptMeanwhile = d.Label2()->Text();
            ClickCaption(d, 1);
        });
        QCOMPARE(inner, int16_t(-1));
        QCOMPARE(promptMeanwhile, QString("First"));
        QCOMPARE(outer, int16_t(1));
    }

    void unloadRemovesTheWindow()
    {
        AskWhile(Request(1), [&](MFormDeluxe& d) { ClickCaption(d, 0); });
        QPointer<MFormDeluxe> d = TheDialog();
        QVERIFY(d);
        AskWhile(Request(2), [&](MFormDeluxe& again) {
            QCOMPARE(&again, d.data());  // the same window, laid out again
            ClickCaption(again, 1);
        });
        UnloadMessageDialog();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!d);
        QCOMPARE(AskWhile(Request(1), [&](MFormDeluxe& fresh) { ClickCaption(fresh, 0); }), int16_t(0));
    }
};

QTEST_MAIN(MessageDialogTest)
#include "test_message_dialog.moc"
