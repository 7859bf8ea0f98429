#include "series/SeriesRegion.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "series/SeriesTexts.h"
#include "toolkit/ZDecimalText.h"
#include "toolkit/ZException.h"

namespace {

namespace texts = seriestexts;

std::string words(const char* german) {
    return ztr(german).str();
}

// Numbers separated by commas, read without any locale; empty when the text holds anything else.
std::vector<double> numbers(const std::string& text) {
    std::vector<double> result;
    const char* at = text.data();
    const char* end = at + text.size();
    while (true) {
        double value = 0;
        // from_chars takes no plus sign; "+10" is as good a degree as "10".
        at += at != end && *at == '+';
        auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || !std::isfinite(value)) {
            return {};
        }
        result.push_back(value);
        if (next == end) {
            return result;
        }
        if (*next != ',') {
            return {};
        }
        at = next + 1;
    }
}

// "23,5° S", "170° O", "0°": the shortest decimals that give the number back.
std::string degrees(double value, const char* positive, const char* negative) {
    std::string text = shortestDecimalComma(std::fabs(value)) + "°";
    if (value != 0) {
        text += ' ';
        text += value > 0 ? positive : negative;
    }
    return text;
}

std::string span(const std::string& from, const std::string& to) {
    return from + " " + words(texts::UNTIL) + " " + to;
}

// "52° 30' N" from a place's degrees and minutes.
std::string placePart(std::int32_t degreesValue, std::int32_t minutes, bool negative,
                      const char* positive, const char* negativeMark) {
    std::string text = std::to_string(degreesValue) + "°";
    if (minutes != 0) {
        text += ' ';
        text += std::to_string(minutes);
        text += '\'';
    }
    if (degreesValue != 0 || minutes != 0) {
        text += ' ';
        text += negative ? negativeMark : positive;
    }
    return text;
}

bool latitudeInside(double value) {
    return value >= -90 && value <= 90;
}

}  // namespace

SeriesRegion SeriesRegion::parse(const std::string& text) {
    SeriesRegion region;
    const std::size_t colon = text.find(':');
    const std::string word = text.substr(0, colon);
    const std::string rest = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    const bool plain = colon == std::string::npos;
    if (plain && word == "global") {
        region.kind = Kind::GlobalValue;
    } else if (plain && word == "mean") {
        region.kind = Kind::CoveredMean;
    } else if (plain && word == "nh") {
        region.kind = Kind::Northern;
    } else if (plain && word == "sh") {
        region.kind = Kind::Southern;
    } else if (plain && word == "tropics") {
        region.kind = Kind::Tropics;
    } else if (plain && word == "arctic") {
        region.kind = Kind::Arctic;
    } else if (word == "position") {
        region.kind = Kind::Position;
        if (!plain) {
            std::uint32_t id = 0;
            auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), id);
            if (error != std::errc() || end != rest.data() + rest.size() || rest.empty()) {
                throw ZException(ZString(texts::positionNumber(text)), 0);
            }
            region.positionId = id;
        }
    } else if (word == "box") {
        const std::vector<double> edges = numbers(rest);
        if (edges.size() != 4) {
            throw ZException(ZString(texts::boxNumbers(text)), 0);
        }
        region.kind = Kind::Box;
        region.west = edges[0];
        region.south = edges[1];
        region.east = edges[2];
        region.north = edges[3];
    } else if (word == "band") {
        const std::vector<double> edges = numbers(rest);
        if (edges.size() != 2) {
            throw ZException(ZString(texts::bandNumbers(text)), 0);
        }
        region.kind = Kind::Band;
        region.south = edges[0];
        region.north = edges[1];
    } else {
        throw ZException(ZString(texts::unknownRegion(text)), 0);
    }
    if (const std::string problem = region.problem(); !problem.empty()) {
        throw ZException(ZString(texts::regionInText(text, problem)), 0);
    }
    return region;
}

std::string SeriesRegion::problem() const {
    switch (kind) {
        case Kind::Position:
            return positionId == 0 ? words(texts::NO_POSITION_ZERO) : "";
        case Kind::Box:
            if (!(west >= -180 && west <= 180 && east >= -180 && east <= 180)) {
                return words(texts::LONGITUDES_OUTSIDE);
            }
            if (west == east) {
                return words(texts::WEST_IS_EAST);
            }
            [[fallthrough]];
        case Kind::Band:
            if (!latitudeInside(south) || !latitudeInside(north)) {
                return words(texts::LATITUDES_OUTSIDE);
            }
            return south < north ? "" : words(texts::SOUTH_NOT_BELOW_NORTH);
        default:
            return "";
    }
}

std::string SeriesRegion::label() const {
    switch (kind) {
        case Kind::GlobalValue:
            return words(texts::GLOBAL_VALUE);
        case Kind::CoveredMean:
            return words(texts::COVERED_MEAN);
        case Kind::Position: {
            std::string text = positionId == 1
                                   ? words(texts::VIEW_POSITION)
                                   : words(texts::POSITION) + " " + std::to_string(positionId);
            return text + " (" +
                   placePart(place.latDegrees, place.latMinutes, place.south, texts::NORTH,
                             texts::SOUTH) +
                   ", " +
                   placePart(place.lonDegrees, place.lonMinutes, place.west,
                             words(texts::EAST).c_str(), texts::WEST) +
                   ")";
        }
        case Kind::Northern:
            return words(texts::NORTHERN);
        case Kind::Southern:
            return words(texts::SOUTHERN);
        case Kind::Tropics:
            return words(texts::TROPICS);
        case Kind::Arctic:
            return words(texts::ARCTIC);
        case Kind::Box:
            return words(texts::BOX) + " " +
                   span(degrees(west, words(texts::EAST).c_str(), texts::WEST),
                        degrees(east, words(texts::EAST).c_str(), texts::WEST)) +
                   ", " +
                   span(degrees(south, texts::NORTH, texts::SOUTH),
                        degrees(north, texts::NORTH, texts::SOUTH));
        case Kind::Band:
            return words(texts::BAND) + " " +
                   span(degrees(south, texts::NORTH, texts::SOUTH),
                        degrees(north, texts::NORTH, texts::SOUTH));
    }
    return "";
}

bool SeriesRegion::holdsCentre(double latitude, double longitude) const {
    switch (kind) {
        case Kind::GlobalValue:
        case Kind::CoveredMean:
            return true;
        case Kind::Position:
            return false;
        case Kind::Northern:
            return latitude > 0;
        case Kind::Southern:
            return latitude < 0;
        case Kind::Tropics:
            return latitude >= -23.5 && latitude <= 23.5;
        case Kind::Arctic:
            return latitude >= 66.5;
        case Kind::Box: {
            // West beyond east: the box runs east from its west edge over the date line.
            const bool inLongitude = west <= east ? longitude >= west && longitude <= east
                                                  : longitude >= west || longitude <= east;
            return inLongitude && latitude >= south && latitude <= north;
        }
        case Kind::Band:
            return latitude >= south && latitude <= north;
    }
    return false;
}
