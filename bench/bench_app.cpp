// The window as the user meets it: from the start of the process to the first painted map, and
// from an arrow key to the repainted map of the next month. Runs in the bench working folder
// (sample data and pictures), on whatever display Qt is given.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <string>

#include "app/MainWindow.h"
#include "resources/ResourceIds.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZAcceleratorFilter.h"
#include "toolkit/ui/ZResourceModule.h"

namespace {

constexpr const char* CHILD_FLAG = "--first-map-child";

// The same settings for every run: June 1990 at 75 %, as a flat map or as a globe, over the
// satellite picture (map type 2) or with the coastlines (map type 1).
void writeSettings(bool globe, int mapType = 2) {
    std::ofstream("init.txt") << "DB_FILE=data/cru/hadcrut3v.dat\nYEAR=1990\nMONTH=6\n"
                                 "SCALE_PERCENT=75\nMAP_TYPE="
                              << mapType << "\nORTH_VIEW=" << (globe ? 1 : 0) << "\n";
}

// Counts the paints of one widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintCounter() override {
        if (widget_) {
            widget_->removeEventFilter(this);
        }
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
    int count = 0;

  private:
    QPointer<QWidget> widget_;
};

// The program's own start-up; reports on the pipe once the map panel has painted, then ends.
int firstMapChild(int argc, char** argv, int reportFd) {
    ZSystem::startup("SorvoVisualizer", argc, argv, sorvoResources());
    {
        MainWindow window;
        window.create(nullptr);
        window.setIcon(IDI_SORVO);
        PaintCounter paints(window.mapPanel.clientWidget());
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (paints.count > 0) {
                char done = 1;
                [[maybe_unused]] ssize_t written = write(reportFd, &done, 1);
                ZSystem::postQuitMessage(0);
            }
        });
        poll.start(0);
        ZSystem::messageLoop(window, IDR_ACCELERATORS);
    }
    ZSystem::shutdown();
    return 0;
}

// From the start of the process to the first painted map; the globe (argument 1) first works out
// the table of its pixels and its lines.
void BM_StartToFirstMap(benchmark::State& state) {
    writeSettings(state.range(0) == 1);
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        auto start = std::chrono::steady_clock::now();
        pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            std::string fd = std::to_string(fds[1]);
            execl("/proc/self/exe", "bench_app", CHILD_FLAG, fd.c_str(), nullptr);
            _exit(127);
        }
        close(fds[1]);
        char done = 0;
        bool painted = read(fds[0], &done, 1) == 1;
        auto end = std::chrono::steady_clock::now();
        close(fds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (!painted) {
            state.SkipWithError("the viewer did not paint its map");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_StartToFirstMap)
    ->ArgName("globe")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// An arrow key to the repainted map of the next month, and back, through the window's worker; as
// a flat map, or (globe 1) as a globe, whose renderer keeps the pixel table and lines
// from one month to the next; over the satellite picture or (map type 1) with the coastlines.
// The same step without the window is bench_map's BM_MonthStep.
void BM_MonthStep(benchmark::State& state) {
    writeSettings(state.range(0) == 1, static_cast<int>(state.range(1)));
    MainWindow window;
    window.create(nullptr);
    ZAcceleratorFilter keys(window, ZSystem::getInstance().findAccelerators(IDR_ACCELERATORS));
    qApp->installEventFilter(&keys);
    PaintCounter paints(window.mapPanel.clientWidget());
    while (paints.count == 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    bool forward = true;
    for (auto _ : state) {
        int before = paints.count;
        QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(window.clientWidget(), &press);
        while (paints.count == before) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        forward = !forward;
    }
    qApp->removeEventFilter(&keys);
}
BENCHMARK(BM_MonthStep)
    ->ArgNames({"globe", "mapType"})
    ->Args({0, 2})
    ->Args({0, 1})
    ->Args({1, 2})
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == CHILD_FLAG) {
        return firstMapChild(argc, argv, std::stoi(argv[2]));
    }
    writeSettings(false);
    benchmark::Initialize(&argc, argv);
    ZSystem::startup("SorvoVisualizer", argc, argv, sorvoResources());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ZSystem::shutdown();
    return 0;
}
