// The settings file on disk: start-up's read, the saves, and what a damaged, odd or unwritable
// file does.
#include <QtTest>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/handlers/Menus.h"
#include "engine/handlers/StartUp.h"
#include "engine/settings/Settings.h"
#include "engine/settings/SettingsLine.h"
#include "tests/support/SettingsFiles.h"
#include "tests/support/TestTable.h"

namespace {

const QByteArray FirstStartLine("0,0,100,\"Player\",\"\",1000\r\n");

// A game started as the program starts, in a folder of its own.
struct Run {
    explicit Run(const QString& folder) : t()
    {
        t.plat.Folder = folder.toStdString();
        Form_Load(t.g);
    }
    TestTable t;
    Game& g() { return t.g; }
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Every file in the folder but the named ones: a save must leave nothing behind.
QStringList Others(const QString& folder, const QStringList& expected)
{
    QStringList all = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& e : expected)
        all.removeAll(e);
    return all;
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithNoFile()
    {
        QTemporaryDir dir;
        Run run(dir.path());
        Game& g = run.g();
        QCOMPARE(g.GamesWon[SidePlayer], 0);
        QCOMPARE(g.GamesWon[SideComputer], 0);
        QCOMPARE(g.Speed, int16_t(100));
        QCOMPARE(g.PlayerName, std::string("Player"));
        QCOMPARE(g.BotName, std::string());
        QCOMPARE(g.TargetScore, int16_t(1000));
        QCOMPARE(g.Table.LblPlayer.Caption, std::string("Player"));
        QCOMPARE(g.Table.LblBotsName.Caption, std::string());
        QVERIFY(!QFile::exists(dir.filePath("Data.dat")));  // the first save creates it
        SaveSettings(g);
        QCOMPARE(ReadAll(dir.filePath("Data.dat")), FirstStartLine);
    }

    void startUpReadsTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("numbers");  // games won by each side, speed
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("bot");
        QTest::newRow("stored target 500") << QByteArray("4,9,250,\"Ann\",\"Merriel\",500\r\n")
                                           << QList<int>{4, 9, 250} << "Ann" << "Merriel";
        QTest::newRow("empty opponent") << QByteArray("0,0,100,\"Ann\",\"\",1000\r\n")
                                        << QList<int>{0, 0, 100} << "Ann" << "";
        QTest::newRow("damaged speed") << QByteArray("4,9,?,\"Ann\",\"Merriel\",500\r\n")
                                       << QList<int>{4, 9, 100} << "Player" << "";
        QTest::newRow("cut short") << QByteArray("4,9,25,\"An") << QList<int>{4, 9, 25} << "Player" << "";
        QTest::newRow("empty file") << QByteArray() << QList<int>{0, 0, 100} << "Player" << "";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QList<int>{0, 0, 100}
                                << "Player" << "";
        QTest::newRow("a valid line and then megabytes")
            << QByteArray("4,9,25,\"Ann\",\"Bo\",750\r\n") + QByteArray(3 << 20, 'z') << QList<int>{4, 9, 25}
            << "Ann" << "Bo";
        QTest::newRow("a line after 64 KiB of blanks is never reached")
            << QByteArray(64 * 1024, ' ') + "4,9,25,\"Ann\",\"Bo\",750\r\n" << QList<int>{0, 0, 100} << "Player" << "";
        QTest::newRow("a name never closed, megabytes long")
            << QByteArray("4,9,25,\"") + QByteArray(3 << 20, 'z') + "\",\"Bo\",750" << QList<int>{4, 9, 25}
            << "Player" << "";
    }
    void startUpReadsTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, player);
        QFETCH(QString, bot);
        QTemporaryDir dir;
        WriteAll(dir.filePath("Data.dat"), file);
        Run run(dir.path());
        Game& g = run.g();
        QCOMPARE(g.GamesWon[SidePlayer], numbers[0]);
        QCOMPARE(g.GamesWon[SideComputer], numbers[1]);
        QCOMPARE(g.Speed, int16_t(numbers[2]));
        QCOMPARE(QString::fromStdString(g.PlayerName), player);
        QCOMPARE(QString::fromStdString(g.BotName), bot);
        QCOMPARE(QString::fromStdString(g.Table.LblPname.Caption), player);
        QCOMPARE(QString::fromStdString(g.Table.LblBName.Caption), bot);
        QCOMPARE(g.TargetScore, int16_t(1000));
        QCOMPARE(g.Table.Caption, std::string(" Target Score 1000"));
        QCOMPARE(g.Table.StatusBar[2].Text, g.PlayerName + " press F2 for new game or use Menu.");
    }

    void settingsOfOneRunHoldAtTheNext_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("bot");
        QTest::addColumn<QString>("playerNextRun");
        QTest::newRow("fast, target 750") << 25 << 750 << "Ann" << "Merriel" << "Ann";
        QTest::newRow("slow, target raised in a game") << 250 << 1250 << "Ann" << "" << "Ann";
        QTest::newRow("a comma in a name") << 100 << 1000 << "Smith, John" << "Bot, the" << "Smith, John";
        QTest::newRow("a quote in a name") << 25 << 500 << "Al \"Ace\" Day" << "Merriel" << "Al 'Ace' Day";
        QTest::newRow("letters beyond ASCII") << 25 << 500 << "Zo\u00eb" << "J\u00fcrgen" << "Zo\u00eb";
    }
    void settingsOfOneRunHoldAtTheNext()
    {
        QFETCH(int, speed);
        QFETCH(int, target);
        QFETCH(QString, player);
        QFETCH(QString, bot);
        QFETCH(QString, playerNextRun);
        QTemporaryDir dir;
        {
            Run first(dir.path());
            first.g().Speed = int16_t(speed);
            first.g().TargetScore = int16_t(target);
            first.g().PlayerName = player.toStdString();
            first.g().BotName = bot.toStdString();
            first.g().GamesWon = {0, 3, 11};
            SaveSettings(first.g());
        }
        Run next(dir.path());
        QCOMPARE(next.g().Speed, int16_t(speed));
        QCOMPARE(next.g().TargetScore, int16_t(1000));
        QCOMPARE(QString::fromStdString(next.g().PlayerName), playerNextRun);
        QCOMPARE(QString::fromStdString(next.g().BotName), bot);
        QCOMPARE(next.g().GamesWon[SidePlayer], 3);
        QCOMPARE(next.g().GamesWon[SideComputer], 11);
        QCOMPARE(Others(dir.path(), {"Data.dat"}), QStringList());
    }

    void everySaveWritesOneLine_data()
    {
        // Names with line breaks from a hand-edited file, or typed as the opponent's name.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("typedBot");  // empty: the name menu is not used
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("CR") << QByteArray("1,2,25,\"A\rB\",\"Bo\",500\r\n") << ""
                            << QByteArray("1,2,25,\"A B\",\"Bo\",1000\r\n");
        QTest::newRow("LF") << QByteArray("1,2,25,\"A\",\"\nBo\n\",500\r\n") << ""
                            << QByteArray("1,2,25,\"A\",\" Bo \",1000\r\n");
        QTest::newRow("CRLF in both") << QByteArray("1,2,25,\"A\r\nB\",\"\r\n\",500\r\n") << ""
                                      << QByteArray("1,2,25,\"A  B\",\"  \",1000\r\n");
        QTest::newRow("and quotes typed") << QByteArray("1,2,25,\"A\r\nB\",\"Bo\",500\r\n") << "\"C\"\r\nD"
                                          << QByteArray("1,2,25,\"A  B\",\"'C'  D\",1000\r\n");
    }
    void everySaveWritesOneLine()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, typedBot);
        QFETCH(QByteArray, saved);
        QTemporaryDir dir;
        WriteAll(dir.filePath("Data.dat"), file);
        {
            Run run(dir.path());
            if (typedBot.isEmpty()) {
                SaveSettings(run.g());
            } else {
                run.t.plat.YesNoAnswers = {true};
                run.t.plat.InputAnswers = {typedBot.toStdString()};
                MnuTheirName_Click(run.g());
            }
        }
        const std::string bytes = ReadAll(dir.filePath("Data.dat")).toStdString();
        SettingsRecord read;
        QCOMPARE(WholeLineFault(bytes, read), std::string());
        QCOMPARE(QByteArray::fromStdString(bytes), saved);
        Run next(dir.path());
        QCOMPARE(next.g().PlayerName, read.PlayerName);
        QCOMPARE(next.g().BotName, read.BotName);
    }

    void saveRewritesTheWholeFile()
    {
        QTemporaryDir dir;
        WriteAll(dir.filePath("Data.dat"), QByteArray("1,2,3,\"a very long name indeed\",\"b\",4\r\ntrailing junk\r\n"));
        Run run(dir.path());
        run.g().GamesWon = {0, 0, 0};
        SaveSettings(run.g());
        QCOMPARE(ReadAll(dir.filePath("Data.dat")), QByteArray("0,0,3,\"a very long name indeed\",\"b\",1000\r\n"));
        WriteAllDat(run.g());
        QCOMPARE(ReadAll(dir.filePath("All.dat")), ReadAll(dir.filePath("Data.dat")));
    }

    void unusableFilesCostNothingElse_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");  // empty: the save goes through
        QTest::newRow("folder gone") << "folder gone" << "No such file or directory";
        QTest::newRow("a folder in the file's place") << "folder" << "Is a directory";
        QTest::newRow("a pipe in the file's place") << "pipe" << "";
    }
    void unusableFilesCostNothingElse()
    {
        // Nothing is read from it, nothing hangs, a failing save leaves no file behind and is
        // told once in the run, and the game keeps its values and goes on.
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString folder = dir.path();
        if (obstacle == "folder gone") {
            folder = dir.filePath("nowhere");
        } else if (obstacle == "folder") {
            QVERIFY(QDir(folder).mkdir("Data.dat"));
            WriteAll(dir.filePath("Data.dat/mine"), "the user's");
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("Data.dat")).constData(), 0600), 0);
        }
        Run run(folder);
        QCOMPARE(run.g().Speed, int16_t(100));
        QCOMPARE(run.g().PlayerName, std::string("Player"));
        run.g().Speed = 25;
        SaveSettings(run.g());
        WriteAllDat(run.g());
        QCOMPARE(run.g().Speed, int16_t(25));
        QCOMPARE(Others(dir.path(), {"Data.dat", "All.dat"}), QStringList());
        if (obstacle != "folder gone")
            QCOMPARE(ReadAll(dir.filePath("All.dat")), QByteArray("0,0,25,\"Player\",\"\",1000\r\n"));

        MnuFast_Click(run.g());  // a second save, and the speed's own notice after it
        const std::vector<std::string>& boxes = run.t.plat.MsgBoxes;
        QCOMPARE(boxes.size(), size_t(reason.isEmpty() ? 1 : 2));
        QVERIFY(boxes.back().starts_with(" The cards should now play faster"));
        if (!reason.isEmpty()) {
            const QString told = QString::fromStdString(boxes.front());
            QVERIFY2(told.contains(folder + "/Data.dat") && told.contains(reason), qPrintable(told));
        }
        if (obstacle == "folder")
            QCOMPARE(ReadAll(dir.filePath("Data.dat/mine")), QByteArray("the user's"));
        QCOMPARE(Others(dir.path(), {"Data.dat", "All.dat"}), QStringList());
    }

    void fullDiskKeepsTheOldFile()
    {
        // The disk takes only a few bytes: the save fails, and the old file stands whole.
        QTemporaryDir dir;
        const QByteArray old("5,6,250,\"Ann\",\"Merriel\",1000\r\n");
        WriteAll(dir.filePath("Data.dat"), old);
        Run run(dir.path());
        run.g().PlayerName = "A much longer name than before";

        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tiny = saved;
        tiny.rlim_cur = 12;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        SaveSettings(run.g());
        WriteAllDat(run.g());
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QCOMPARE(ReadAll(dir.filePath("Data.dat")), old);
        QCOMPARE(Others(dir.path(), {"Data.dat"}), QStringList());
        SaveSettings(run.g());  // with room again, the save goes through
        QCOMPARE(ReadAll(dir.filePath("Data.dat")),
                 QByteArray("5,6,250,\"A much longer name than before\",\"Merriel\",1000\r\n"));
        QCOMPARE(run.t.plat.MsgBoxes.size(), size_t(1));
        QVERIFY(QString::fromStdString(run.t.plat.MsgBoxes[0]).contains("File too large"));
    }

    void crashDuringASaveKeepsTheOldFile()
    {
        // A copy of the program dies in the middle of writing (the file-size signal kills it):
        // the file is still the old one, and the next run reads it.
        QTemporaryDir dir;
        const QByteArray old("5,6,250,\"Ann\",\"Merriel\",1000\r\n");
        WriteAll(dir.filePath("Data.dat"), old);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit tiny{8, 8};
            ::setrlimit(RLIMIT_FSIZE, &tiny);
            TestTable t;
            t.plat.Folder = dir.path().toStdString();
            t.g.PlayerName = "Someone else entirely";
            SaveSettings(t.g);
            ::_exit(0);  // not reached: the write kills the process
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGXFSZ);
        QCOMPARE(ReadAll(dir.filePath("Data.dat")), old);
        Run next(dir.path());
        QCOMPARE(next.g().PlayerName, std::string("Ann"));
        QCOMPARE(next.g().Speed, int16_t(250));
    }

    void killedWhileSavingInALoop()
    {
        // A copy of the program saves over and over, each line longer or shorter than the one
        // before, and is killed outright at arbitrary points: the file always holds one whole
        // line it wrote (or the first one), and a later run whose process number is the dead
        // one's still saves.
        QTemporaryDir dir;
        const QString path = dir.filePath("Data.dat");
        auto lineOf = [](int n) {
            return SettingsRecord{n, 2 * n, 100, std::string(size_t(1 + n % 37), 'x'), "Bot", 1000};
        };
        WriteAll(path, QByteArray::fromStdString(FormatSettingsLine(lineOf(0))));
        SettingsRecord read;
        std::mt19937 rng(20261209);
        for (int round = 0; round < 100; ++round) {
            int ready[2];
            QCOMPARE(::pipe(ready), 0);
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives a test that failed early
                ::close(ready[0]);
                TestTable t;
                t.plat.Folder = dir.path().toStdString();
                for (int n = 1;; ++n) {
                    const SettingsRecord r = lineOf(n);
                    t.g.GamesWon = {0, r.GamesWonPlayer, r.GamesWonComputer};
                    t.g.PlayerName = r.PlayerName;
                    t.g.BotName = r.BotName;
                    t.g.Speed = r.Speed;
                    t.g.TargetScore = r.TargetScore;
                    SaveSettings(t.g);
                    if (n == 1 + round % 7)  // the parent kills from here on, wherever the loop is
                        (void)!::write(ready[1], "r", 1);
                }
            }
            ::close(ready[1]);
            char byte = 0;
            QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
            ::close(ready[0]);
            std::this_thread::sleep_for(std::chrono::microseconds(rng() % 3000));  // a random moment of a save
            QCOMPARE(::kill(child, SIGKILL), 0);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

            const std::string bytes = ReadAll(path).toStdString();
            const int fields = ParseSettingsLine(bytes, read);
            QCOMPARE(fields, SettingsFieldCount);
            QCOMPARE(bytes, FormatSettingsLine(lineOf(read.GamesWonPlayer)));
        }
        // A dead copy whose process number this run now has left its half-written file: the
        // save still goes through.
        WriteAll(path + "." + QString::number(::getpid()) + ".new", "half a li");
        Run next(dir.path());
        QCOMPARE(next.g().GamesWon[SidePlayer], read.GamesWonPlayer);
        next.g().PlayerName = "After the crashes";
        SaveSettings(next.g());
        QCOMPARE(Run(dir.path()).g().PlayerName, std::string("After the crashes"));
        // Whatever the kills left behind, the runs after them leave the file and nothing else.
        QCOMPARE(Others(dir.path(), {"Data.dat"}), QStringList());
        QCOMPARE(WholeLineFault(ReadAll(path).toStdString(), read), std::string());
    }

    void startUpClearsWhatDeadSavesLeft_data()
    {
        QTest::addColumn<QString>("name");  // %1: a dead process's number, %2: this one's, %3: a live one's
        QTest::addColumn<bool>("kept");
        QTest::newRow("a dead copy's save") << "Data.dat.%1.new" << false;
        QTest::newRow("a dead copy's exit") << "All.dat.%1.new" << false;
        QTest::newRow("a dead copy of this number") << "Data.dat.%2.new" << false;
        QTest::newRow("a live copy's save") << "Data.dat.%3.new" << true;
        QTest::newRow("no process number") << "Data.dat.x%1.new" << true;
        QTest::newRow("not a save's") << "Data.dat.%1.old" << true;
        QTest::newRow("another file's") << "Other.dat.%1.new" << true;
    }
    void startUpClearsWhatDeadSavesLeft()
    {
        QFETCH(QString, name);
        QFETCH(bool, kept);
        const pid_t dead = ::fork();
        QVERIFY(dead >= 0);
        if (dead == 0)
            ::_exit(0);
        QCOMPARE(::waitpid(dead, nullptr, 0), dead);
        QTemporaryDir dir;
        name.replace("%1", QString::number(dead)).replace("%2", QString::number(::getpid()));
        const QString file = dir.filePath(name.replace("%3", QString::number(::getppid())));
        WriteAll(file, "half a li");
        Run run(dir.path());
        QCOMPARE(QFile::exists(file), kept);
    }
};

QTEST_APPLESS_MAIN(SettingsTest)
#include "test_settings.moc"
