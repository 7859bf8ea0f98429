#include "positions/PositionsFile.h"

#include <charconv>
#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "positions/PositionList.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZReplacedFile.h"
#include "toolkit/ZStringTokenizer.h"
#include "toolkit/ZTextEncoding.h"

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

// The older program wrote names in Windows-1252: a line that is not UTF-8 is read as such.
ZString decodedLine(const ZString& line) {
    return isValidUtf8(line.view()) ? line : fromWindows1252(line.view());
}

// A decoded and trimmed line as a position; nothing for a comment, an empty or a short line.
std::optional<Position> parseLine(const ZString& line) {
    if (line.isEmpty() || line.startsWith("#")) {
        return std::nullopt;
    }
    ZStringTokenizer fields(line, "\t", true);
    if (fields.size() < FIELDS) {
        return std::nullopt;
    }
    Position position;
    position.name = fields.nextValue();
    GeoPosition& place = position.coordinates;
    // The minutes stand before the reserved number in the file.
    for (std::int32_t* number :
         {&place.latDegrees, &place.latMinutes, &place.latReserved, &place.south, &place.lonDegrees,
          &place.lonMinutes, &place.lonReserved, &place.west}) {
        *number = readNumber(fields.nextValue());
    }
    return position;
}

ZString formatLine(const Position& position) {
    const GeoPosition& place = position.coordinates;
    // Appended, not formatted: a name read with a zero byte in it stays whole.
    std::string line(position.name.view());
    for (std::int32_t number :
         {place.latDegrees, place.latMinutes, place.latReserved, place.south, place.lonDegrees,
          place.lonMinutes, place.lonReserved, place.west}) {
        appendNumber(line, number);
    }
    return ZString(std::move(line));
}

// The bytes of the file now there when it holds a line that a save would not write back as it
// stands (a comment, a line the reader skips or reads only in part); nothing otherwise. Empty
// lines, blanks at the ends of a line and the line ends are not worth keeping.
std::optional<std::string> handEditedFile(const ZString& fileName) {
    // A device behind a link has no lines to keep, and some never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName.str(), error)) {
        return std::nullopt;
    }
    ZFile file;
    try {
        file.open(fileName, false);
    } catch (const ZFileNotFoundException&) {
        return std::nullopt;
    }
    bool lossy = false;
    ZString line;
    while (!lossy && file.readln(line)) {
        ZString text = decodedLine(line);
        text.trim();
        std::optional<Position> position = parseLine(text);
        lossy = position ? formatLine(*position) != text : !text.isEmpty();
    }
    std::string bytes(file.size(), '\0');
    if (!lossy || !file.readAt(0, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    return bytes;
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
        ZString text = decodedLine(line);
        if (std::optional<Position> position = parseLine(text.trim())) {
            loaded.push_back(std::move(*position));
        }
    }
    positions.assignLoaded(std::move(loaded));
    return true;
}

ZString positionsBackupName(const ZString& fileName) {
    return fileName + "~";
}

bool writePositions(const ZString& fileName, PositionList& positions) {
    ZReplacedFile file(fileName);
    positions.forEach([&](std::uint32_t, const Position& position) {
        file.writeln(formatLine(position));
        return true;
    });
    // The old file goes to the backup before the new one takes its name; when the backup
    // cannot be written, the old file stays as it is.
    std::optional<std::string> handEdited = handEditedFile(fileName);
    if (handEdited) {
        ZReplacedFile backup(positionsBackupName(fileName));
        backup.write(*handEdited);
        backup.commit();
    }
    file.commit();
    return handEdited.has_value();
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
