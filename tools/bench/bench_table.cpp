// Measures the real program: start-up to the first shown window, CPU while the game waits for
// the user's card, peak memory after a dealt hand, and how closely pauses keep their length.
// Printed on one run; see the README.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "app/QuillmereProgram.h"
#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"
#include "engine/handlers/NewGameMenu.h"
#include "tools/bench/Bench.h"

namespace {

// Milliseconds since this process was started, from the kernel's record of its start.
double MsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    std::istringstream rest(text.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22)
            startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

double PeakResidentMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// The engine is waiting for the user's card, with no dialog on the way.
bool WaitingForCard(const Game& g)
{
    return g.GameInProgress && g.PlayerToPlay && !QApplication::activeModalWidget();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QuillmereProgram program;
    Game& g = program.g;
    PinochleTable& table = program.table;

    BenchFigures figures;
    bool shown = false;
    table.show();
    // The first frame is on screen once the window is exposed and the queue has drained.
    QTimer::singleShot(0, [&] {
        if (!shown) {
            shown = true;
            figures.StartupMs = MsSinceProcessStart();
        }
        g.Speed = 25;  // deal quickly; the wait measured is the user's, not the deal's
        RunHandler([&] { MnuNew_Click(g); });
    });

    // Watch, at a slow pace, for the engine to reach the wait for the user's card; then stop
    // watching and measure ten quiet seconds.
    QTimer watch;
    double cpuAtStart = 0;
    QElapsedTimer wall;
    watch.setInterval(200);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!WaitingForCard(g))
            return;
        watch.stop();
        figures.PeakMbAfterDeal = PeakResidentMb();
        cpuAtStart = CpuSeconds();
        wall.start();
        QTimer::singleShot(10'000, [&] {
            figures.IdleCpuPercent = 100.0 * (CpuSeconds() - cpuAtStart) / (wall.elapsed() / 1000.0);
            RunHandler([&] { RequestFlow(g, FlowRequest::Exit); });
        });
    });
    watch.start();
    app.exec();

    figures.PauseOvershoot = MeasurePauses();
    figures.SelfPlayHandsPerSecond = MeasureSelfPlay();
    PrintFigures(figures);
    return 0;
}
