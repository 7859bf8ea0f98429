// The main of a fuzz target in the normal build: runs the target once over every file of the
// seed folders given, in name order so that a run is repeatable, so that the targets are
// compiled and their checks kept true by every test run. Exploring further is libFuzzer's work
// (`make fuzz`). A folder that cannot be listed throws, which fails the run with its name.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> seeds;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::directory_entry& entry :
             std::filesystem::directory_iterator(argv[i])) {
            if (entry.is_regular_file()) {
                seeds.push_back(entry.path());
            }
        }
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER... (holding seed files)\n", argv[0]);
        return 1;
    }
    std::sort(seeds.begin(), seeds.end());
    for (const std::filesystem::path& seed : seeds) {
        std::ifstream in(seed, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::printf("%s (%zu bytes)\n", seed.c_str(), bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu seeds passed\n", seeds.size());
    return 0;
}
