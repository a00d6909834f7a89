// The assembled program, offscreen: the real platform layer, table window and handlers, put
// together as main() does, started from a settings file and driven by keys and clicks only.
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "app/QuillmereProgram.h"
#include "dialog/DeluxeDialog.h"
#include "engine/settings/SettingsLine.h"
#include "engine/state/CardTable.h"
#include "help/HelpPages.h"
#include "table/PicCardBox.h"
#include "table/TableLook.h"
#include "tests/support/SettingsFiles.h"
#include "tests/support/WhenOpen.h"

namespace {

// The program keeps its files beside its executable, so the test runs as a copy of itself in
// a folder of its own; this names that folder in the copy.
const char* const CopyFolder = "QUILLMERE_TEST_PROGRAM_FOLDER";
constexpr int GiveUpMs = 60'000;
constexpr int PollMs = 5;
constexpr int16_t FastSpeed = 25;

constexpr int FreshStock = CardCount - 2 * 12 - 1;  // all but the hands and the up card

std::set<int> UsersHand(const Game& g)
{
    std::set<int> hand;
    for (int i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Location == LocPlayerHand)
            hand.insert(i);
    return hand;
}

// The engine waits for the user's card once it asks for one in the status bar.
bool WaitsForCard(const Game& g)
{
    return g.GameInProgress && g.PlayerToPlay &&
           g.Table.StatusBar[2].Text.find(" please click ") != std::string::npos;
}

// The first card wait of a deal: nothing drawn from the stock yet.
bool WaitsForFirstCard(const Game& g) { return WaitsForCard(g) && CountAt(g, LocStock) == FreshStock; }

// The caption of the message dialog's button that reads `text`, while the dialog is up.
DeluxeCaption* DialogButton(const QString& text)
{
    auto* dialog = qobject_cast<MFormDeluxe*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return nullptr;
    for (DeluxeCaption* caption : dialog->findChildren<DeluxeCaption*>())
        if (caption->isVisible() && caption->Text() == text)
            return caption;
    return nullptr;
}

// A click where the window system would put it: on whatever lies on top at that point.
void ClickOnWindow(QWidget* target)
{
    QWidget* window = target->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
}

void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QApplication::setActiveWindow(window);  // as after a click on it: its shortcuts apply
    QTest::keyClick(window, key, modifiers);
}

uintptr_t StackHere() { return reinterpret_cast<uintptr_t>(__builtin_frame_address(0)); }

// The settings the program starts from: the fast speed keeps the deals short.
const SettingsRecord Saved{3, 5, FastSpeed, "Anne", "Bertie", 1000};

// Writes them to the settings file; returns its line.
std::string WriteSettings(const std::string& folder)
{
    const std::string line = FormatSettingsLine(Saved);
    std::ofstream data(folder + "/Data.dat", std::ios::binary);
    data << line;
    return line;
}

struct Step {
    const char* Name;
    std::function<bool()> Ready;
    std::function<void()> Act;
};

// Runs the program's event loop, taking each step as soon as it is ready, until the program ends;
// returns the loop's exit code. `now` is the stack at each poll. A program that never ends fails
// here, wherever it hangs.
int PlayUntilTheEnd(QWidget& table, const std::vector<Step>& script, size_t& step, uintptr_t& now,
                    const QStringList& faults)
{
    QTimer poll;
    poll.setInterval(PollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        now = StackHere();
        if (step < script.size() && script[step].Ready())
            QTimer::singleShot(0, &table, script[step++].Act);  // acts from a timer of its own: it may open a dialog
    });
    poll.start();
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&] {
        qFatal("the program did not end; it stopped before %s. %s", step < script.size() ? script[step].Name : "its end",
               qPrintable(faults.join("; ")));
    });
    giveUp.start(GiveUpMs);
    return QApplication::exec();
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void newGameInACardWaitThenExit();
    void newGameAskedForJustBeforeTheSystemInfoNotice();
};

void ProgramTest::newGameInACardWaitThenExit()
{
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    const std::string line = WriteSettings(folder);

    QuillmereProgram program;
    Game& g = program.g;
    PinochleTable& table = program.table;
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QCOMPARE(table.windowTitle(), QString(" Target Score 1000"));
    QCOMPARE(g.Table.LblPlayer.Caption, Saved.PlayerName);
    QCOMPARE(g.Speed, FastSpeed);

    // The stack at each poll, at the top of the event loop and at the two deals' card waits.
    uintptr_t now = 0, top = 0, firstWait = 0, secondWait = 0;
    std::set<int> firstHand;
    int played = 0;
    bool cancelled = false;
    QStringList faults;

    const std::vector<Step> script = {
        {"start-up", [&] { return top = now, true; }, [&] { Key(&table, Qt::Key_F2); }},
        {"the first deal's card wait",
         [&] {
             firstWait = now;
             firstHand = UsersHand(g);
             return WaitsForFirstCard(g) && firstHand.size() == 12;
         },
         [&] {
             // Any card of the hand may be played in the first trick: the one lying on top.
             for (int i : firstHand) {
                 PicCardBox* box = table.PicCard(i);
                 if (table.childAt(box->mapTo(&table, box->rect().center())) == box && box->Picture() == i)
                     played = i;
             }
             if (played)
                 ClickOnWindow(table.PicCard(played));
             else
                 faults << "no card of the user's hand lies on top of the others";
         }},
        {"a card wait after the first card",
         [&] {
             if (g.PlayerToMeld && g.Table.FramDeclare.Visible && !cancelled) {
                 cancelled = true;
                 QTimer::singleShot(0, &table, [&] { ClickOnWindow(table.findChild<QWidget*>("CmdCancel")); });
             }
             return WaitsForCard(g) && played && g.Cards[played].Location == LocPlayed;
         },
         [&] { Key(&table, Qt::Key_F2); }},
        {"\"Yes New Game\"", [&] { return DialogButton("Yes New Game"); },
         [&] { ClickOnWindow(DialogButton("Yes New Game")); }},
        {"the new deal's card wait",
         [&] {
             secondWait = now;
             const std::set<int> hand = UsersHand(g);
             return WaitsForFirstCard(g) && hand.size() == 12 && hand != firstHand;
         },
         [&] {
             // The window shows the new deal as the model has it.
             for (int i = 1; i <= CardCount; ++i) {
                 const CardBox& want = g.Table.PicCard[i];
                 const PicCardBox* box = table.PicCard(i);
                 if (box->isVisible() != want.Visible || box->Picture() != want.Picture ||
                     box->pos() != QPoint(Px(want.Left), Px(want.Top)))
                     faults << QString("card box %1 does not show the new deal").arg(i);
             }
             for (int i : UsersHand(g))
                 if (!table.PicCard(i)->isVisible() || table.PicCard(i)->Picture() != i)
                     faults << QString("the user's card %1 is not shown face up").arg(i);
             Key(&table, Qt::Key_X, Qt::ControlModifier);
         }},
        {"\"Yes Exit\"", [&] { return DialogButton("Yes Exit"); }, [&] { ClickOnWindow(DialogButton("Yes Exit")); }},
    };

    size_t step = 0;
    const int exitCode = PlayUntilTheEnd(table, script, step, now, faults);

    QCOMPARE(exitCode, 0);
    QCOMPARE(step, script.size());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QVERIFY(!table.isVisible());
    // The new deal waits at the same depth as the first: a flow left beneath it would put it at
    // least a whole flow deeper.
    const uintptr_t firstDepth = top - firstWait, secondDepth = top - secondWait;
    QVERIFY2(secondDepth < firstDepth + firstDepth / 2,
             qPrintable(QString("waits %1 and %2 bytes below the top").arg(firstDepth).arg(secondDepth)));
    QCOMPARE(ReadWholeFile(folder + "/All.dat").value_or("no All.dat"), line);
}

// F2 with no game running and a click on the About window's System Info come in one batch of
// input, so the notice opens before the new deal's runner is delivered. The deal waits until the
// notice is closed, and Exit then unloads the About window.
void ProgramTest::newGameAskedForJustBeforeTheSystemInfoNotice()
{
    WriteSettings(QCoreApplication::applicationDirPath().toStdString());
    QuillmereProgram program;
    Game& g = program.g;
    PinochleTable& table = program.table;
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QPointer<QWidget> about;
    struct {
        QString Text;
        bool Modal = false;
        bool FlowRunning = true;
        bool Dealt = true;
    } notice;
    std::unique_ptr<QTimer> answering;
    uintptr_t now = 0;
    const QStringList faults;
    const std::vector<Step> script = {
        {"start-up", [] { return true; }, [&] { Key(&table, Qt::Key_A, Qt::AltModifier); }},
        {"the About window",
         [&] {
             about = LoadedAboutWindow();
             return about && about->windowHandle() && about->windowHandle()->isExposed();
         },
         [&] {
             answering = WhenOpen<QMessageBox>([&](QMessageBox* box) {
                 notice = {box->text(), QApplication::activeModalWidget() == box, g.FlowRunning,
                           g.GameInProgress || CountAt(g, LocStock) != CardCount};
                 box->button(QMessageBox::Ok)->click();
             });
             // F2 asks for the runner; the click opens the notice before the runner is delivered.
             Key(&table, Qt::Key_F2);
             ClickOnWindow(about->findChild<QWidget*>("cmdSysInfo"));
         }},
        {"the deal's card wait", [&] { return WaitsForFirstCard(g); },
         [&] { Key(&table, Qt::Key_X, Qt::ControlModifier); }},
        {"\"Yes Exit\"", [&] { return DialogButton("Yes Exit"); }, [&] { ClickOnWindow(DialogButton("Yes Exit")); }},
    };
    size_t step = 0;
    const int exitCode = PlayUntilTheEnd(table, script, step, now, faults);

    QCOMPARE(exitCode, 0);
    QCOMPARE(step, script.size());
    QCOMPARE(notice.Text, QString("System Information Is Unavailable At This Time"));
    QVERIFY(notice.Modal);
    QVERIFY2(!notice.FlowRunning && !notice.Dealt, "the new deal started under the notice");
    QVERIFY(about.isNull());  // unloaded at the exit
}

int main(int argc, char* argv[])
{
    if (!std::getenv(CopyFolder)) {
        // Runs the copy and clears its folder away, whatever way the copy ends.
        const auto folder = std::filesystem::temp_directory_path() / ("quillmere-program-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        const auto copy = folder / "test_program";
        std::filesystem::copy_file("/proc/self/exe", copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::permissions(copy, std::filesystem::perms::owner_all);
        setenv(CopyFolder, folder.c_str(), 1);
        const pid_t child = fork();
        if (child == 0) {
            execv(copy.c_str(), argv);
            std::perror("test_program");
            std::_Exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // Only the end of the tests may end this process: the program leaves through its event loop.
    static bool testsDone = false;
    std::atexit([] {
        if (!testsDone) {
            std::fputs("the program ended the process instead of returning from its event loop\n", stderr);
            std::_Exit(1);
        }
    });
    int failed = 0;
    {
        QApplication app(argc, argv);
        ProgramTest test;
        failed = QTest::qExec(&test, argc, argv);
    }
    testsDone = true;
    return failed;
}

#include "test_program.moc"
