// Pictures from the command line as a script meets them: the whole run of "sorvo --render",
// from the start of the process to the written file. Runs in the bench working folder (sample
// data, pictures and coastlines) with June 1990 as the working folder's month.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* output;
    std::vector<const char*> options;
};

// Flat map at 75 % in every format, then the globe at 100 %.
const Case CASES[] = {
    {"bench-cli.png", {}},
    {"bench-cli.gif", {}},
    {"bench-cli.jpg", {}},
    {"bench-cli.emf", {}},
    {"bench-cli-globe.png", {"--globe", "--scale", "100"}},
};

void BM_RenderCommand(benchmark::State& state) {
    std::ofstream("init.txt") << "DB_FILE=data/cru/hadcrut3v.dat\nYEAR=1990\nMONTH=6\n"
                                 "SCALE_PERCENT=75\nMAP_TYPE=2\n";
    const Case& run = CASES[state.range(0)];
    std::string program = SORVO_BINARY_DIR "/app/sorvo";
    std::vector<const char*> arguments{program.c_str(), "--render", run.output};
    arguments.insert(arguments.end(), run.options.begin(), run.options.end());
    arguments.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = fork();
        if (child == 0) {
            unsetenv("DISPLAY");
            unsetenv("QT_QPA_PLATFORM");
            execv(program.c_str(), const_cast<char* const*>(arguments.data()));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("sorvo --render failed");
            return;
        }
    }
    state.SetLabel(run.output);
}

}  // namespace

BENCHMARK(BM_RenderCommand)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond)

    ->UseRealTime();

BENCHMARK_MAIN();
