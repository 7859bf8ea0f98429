// libFuzzer target for the settings file: any bytes read as "init.txt" give values that survive
// being written and read back unchanged, and reading never fails.
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/ZInitFile.h"

#include "FuzzSupport.h"

namespace {

const char* const KEYS[] = {"DB_FILE",       "YEAR",     "MONTH",    "YEAR_AVERAGE",
                            "SCALE_PERCENT", "MAP_TYPE", "ORTH_VIEW"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name =
        writeScratchFile("init.txt", std::string_view(reinterpret_cast<const char*>(data), size));

    ZInitFile read;
    check(read.open(name.c_str(), "="), "open");
    ZInitFile written;
    for (const char* key : KEYS) {
        written.putValue(key, read.getValue(key));
    }
    written.save(name.c_str(), "=");
    ZInitFile again;
    check(again.open(name.c_str(), "="), "open again");
    for (const char* key : KEYS) {
        check(again.getValue(key) == read.getValue(key), "text value");
        check(again.getIntValue(key) == read.getIntValue(key), "whole number");
        check(again.getFlagValue(key) == read.getFlagValue(key), "flag");
    }
    return 0;
}
