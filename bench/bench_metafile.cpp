// The metafile saver as the user starts it: command 11102 with the file name given, the map of
// June 1990 over the satellite picture at ten times the scale, flat and as a globe. Runs in the
// bench working folder (sample data and pictures); the file's size is reported with the time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/MainWindow.h"
#include "resources/ResourceIds.h"
#include "resources/SorvoResources.h"
#include "toolkit/ZSystem.h"
#include "toolkit/testing/ZDialogDriver.h"

namespace {

constexpr const char* FILE_NAME = "bench.emf";

void BM_SaveMetafile(benchmark::State& state) {
    bool globe = state.range(0) != 0;
    std::ofstream("init.txt") << "DB_FILE=data/cru/hadcrut3v.dat\nYEAR=1990\nMONTH=6\n"
                                 "SCALE_PERCENT=75\nMAP_TYPE=2\nORTH_VIEW="
                              << (globe ? 1 : 0) << "\n";
    MainWindow window;
    window.create(nullptr);
    ZDialogDriver::setFileDialogScript(
        [](const ZString&, const ZString&) { return ZString(FILE_NAME); });
    for (auto _ : state) {
        window.onWindowMessage(window, Z_WM_COMMAND, CMD_SAVE_EMF, 0);
    }
    ZDialogDriver::setFileDialogScript(nullptr);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(FILE_NAME));
    std::filesystem::remove(FILE_NAME);
}
BENCHMARK(BM_SaveMetafile)
    ->ArgName("globe")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    ZSystem::startup("SorvoVisualizer", argc, argv, sorvoResources());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ZSystem::shutdown();
    return 0;
}
