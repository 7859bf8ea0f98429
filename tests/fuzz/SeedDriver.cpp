// The main of a fuzz target in the normal build: runs the target once over every file of the
// seed folders given, so that the targets are compiled and their checks kept true by every test
// run. Exploring further is libFuzzer's work (`make fuzz`).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The regular files of the folder in name order, so that a run is repeatable; false with a
// message when the folder cannot be listed.
bool listSeeds(const std::filesystem::path& folder, std::vector<std::filesystem::path>& seeds) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file()) {
            seeds.push_back(entry->path());
        }
    }
    if (error) {
        std::fprintf(stderr, "%s: %s\n", folder.c_str(), error.message().c_str());
        return false;
    }
    std::sort(seeds.begin(), seeds.end());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER...\n", argv[0]);
        return 2;
    }
    std::vector<std::filesystem::path> seeds;
    for (int i = 1; i < argc; ++i) {
        if (!listSeeds(argv[i], seeds)) {
            return 1;
        }
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed files found\n");
        return 1;
    }
    for (const std::filesystem::path& seed : seeds) {
        std::ifstream in(seed, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "%s: cannot be read\n", seed.c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", seed.c_str(), bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu seeds passed\n", seeds.size());
    return 0;
}
