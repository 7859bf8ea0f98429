#include "overlays/PositionsFile.h"

#include <charconv>
#include <climits>
#include <vector>

#include "overlays/PositionList.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZReplacedFile.h"
#include "toolkit/ZStringTokenizer.h"

namespace {

constexpr std::size_t FIELDS = 9;

// Leading blanks, an optional sign, then decimal digits up to the first other character; no
// digits give 0. Numbers beyond 32 bits stop at the largest (or smallest) value.
std::int32_t readNumber(const ZString& field) {
    std::string_view text = field.view();
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) {
        return 0;
    }
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1LL + INT_MAX) {
            value = 1LL + INT_MAX;
        }
    }
    value = negative ? -value : value;
    return static_cast<std::int32_t>(value > INT_MAX ? INT_MAX : value);
}

void appendNumber(std::string& line, std::int32_t value) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line += '\t';
    line.append(digits, end);
}

}  // namespace

bool readPositions(const ZString& fileName, PositionList& positions) {
    std::vector<Position> loaded;
    ZFile file;
    try {
        file.open(fileName, false);
    } catch (const ZFileNotFoundException&) {
        positions.assignLoaded({});
        return false;
    }
    ZString line;
    while (file.readln(line)) {
        line.trim();
        if (line.isEmpty() || line.startsWith("#")) {
            continue;
        }
        ZStringTokenizer fields(line, "\t", true);
        if (fields.size() < FIELDS) {
            continue;
        }
        Position position;
        position.name = fields.nextValue();
        GeoPosition& place = position.coordinates;
        // The minutes stand before the reserved number in the file.
        for (std::int32_t* number :
             {&place.latDegrees, &place.latMinutes, &place.latReserved, &place.south,
              &place.lonDegrees, &place.lonMinutes, &place.lonReserved, &place.west}) {
            *number = readNumber(fields.nextValue());
        }
        loaded.push_back(std::move(position));
    }
    positions.assignLoaded(std::move(loaded));
    return true;
}

void writePositions(const ZString& fileName, PositionList& positions) {
    ZReplacedFile file(fileName);
    positions.forEach([&](std::uint32_t, const Position& position) {
        const GeoPosition& place = position.coordinates;
        // Appended, not formatted: a name read with a zero byte in it stays whole.
        std::string line(position.name.view());
        for (std::int32_t number :
             {place.latDegrees, place.latMinutes, place.latReserved, place.south, place.lonDegrees,
              place.lonMinutes, place.lonReserved, place.west}) {
            appendNumber(line, number);
        }
        file.writeln(ZString(std::move(line)));
        return true;
    });
    file.commit();
}

ZString cleanPositionName(const ZString& name) {
    std::string text = name.str();
    for (char& c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    std::size_t first = text.find_first_not_of(" #");
    if (first == std::string::npos) {
        return ZString();
    }
    std::size_t last = text.find_last_not_of(' ');
    return ZString(text.substr(first, last - first + 1));
}
