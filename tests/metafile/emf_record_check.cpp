// Walks an enhanced metafile record by record with libUEMF's checks: every record must lie
// inside the file and pass U_emf_record_safe, the first must be the header and the last the end
// record, and the header's byte and record counts must match the file. Prints "ok" with the
// number of records, then one line "type count" per record type; exits 1 with the reason.
#include <uemf.h>
#include <uemf_safe.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace {

std::uint32_t word(const char* at) {
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

int fail(const char* format, unsigned long a, unsigned long b = 0, unsigned long c = 0) {
    std::fprintf(stderr, format, a, b, c);
    std::fputc('\n', stderr);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::ifstream in(argc == 2 ? argv[1] : "", std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "usage: emf_record_check FILE (a file that can be read)\n");
        return 2;
    }
    const std::vector<char> data{std::istreambuf_iterator<char>(in), {}};
    const std::size_t size = data.size();
    std::map<std::uint32_t, unsigned long> types;
    unsigned long records = 0;
    std::size_t at = 0;
    std::uint32_t type = 0;
    while (at < size && type != U_EMR_EOF) {
        if (size - at < 8) {
            return fail("record %lu: truncated at %lu", records, at);
        }
        type = word(&data[at]);
        const std::uint32_t length = word(&data[at + 4]);
        if (length < 8 || length % 4 != 0 || length > size - at) {
            return fail("record %lu (type %lu): size %lu does not fit", records, type, length);
        }
        if ((records == 0) != (type == U_EMR_HEADER) || !U_emf_record_safe(&data[at])) {
            return fail("record %lu (type %lu) is out of place or fails the record check", records,
                        type);
        }
        ++types[type];
        ++records;
        at += length;
    }
    U_EMRHEADER header;
    if (type != U_EMR_EOF || at != size || size < sizeof header) {
        return fail("the end record is missing or not last (%lu of %lu bytes)", at, size);
    }
    std::memcpy(&header, data.data(), sizeof header);
    if (header.nBytes != size || header.nRecords != records ||
        header.dSignature != U_ENHMETA_SIGNATURE) {
        return fail("header: %lu bytes, %lu records, signature %lx", header.nBytes, header.nRecords,
                    header.dSignature);
    }
    std::printf("ok %lu\n", records);
    for (auto [recordType, count] : types) {
        std::printf("%u %lu\n", recordType, count);
    }
    return 0;
}
