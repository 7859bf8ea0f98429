#pragma once

#include <cstdint>
#include <string>

// Every German text of the series library, in one place for the translation.
namespace seriestexts {

// Legend texts of the regions.
inline constexpr const char* GLOBAL_VALUE = "Globaler Wert (wie in der Kopfzeile)";
inline constexpr const char* COVERED_MEAN = "Flächenmittel der Zellen mit Daten";
inline constexpr const char* VIEW_POSITION = "Ansichtsposition";
inline constexpr const char* POSITION = "Position";
inline constexpr const char* NORTHERN = "Nordhalbkugel";
inline constexpr const char* SOUTHERN = "Südhalbkugel";
inline constexpr const char* TROPICS = "Tropen (23,5° S bis 23,5° N)";
inline constexpr const char* ARCTIC = "Arktis (nördlich von 66,5° N)";
inline constexpr const char* BOX = "Box";
inline constexpr const char* BAND = "Breitenband";
// Between the two ends of a span: "170° O bis 170° W".
inline constexpr const char* UNTIL = "bis";
inline constexpr const char* NORTH = "N";
inline constexpr const char* SOUTH = "S";
inline constexpr const char* EAST = "O";
inline constexpr const char* WEST = "W";

// Bad regions and requests.
std::string unknownRegion(const std::string& text);
std::string boxNumbers(const std::string& text);
std::string bandNumbers(const std::string& text);
std::string positionNumber(const std::string& text);
std::string regionInText(const std::string& text, const std::string& problem);
inline constexpr const char* NO_POSITION_ZERO =
    "Die Position 0 gibt es nicht: die Nummern beginnen bei 1 (der Ansichtsposition).";
inline constexpr const char* LATITUDES_OUTSIDE =
    "Die Breiten müssen zwischen 90° S und 90° N liegen.";
inline constexpr const char* LONGITUDES_OUTSIDE =
    "Die Längen müssen zwischen 180° W und 180° O liegen.";
inline constexpr const char* SOUTH_NOT_BELOW_NORTH =
    "Das Gebiet ist leer: sein Südrand liegt nicht südlich seines Nordrands.";
inline constexpr const char* WEST_IS_EAST = "Die Box ist leer: West- und Ostrand sind gleich.";
inline constexpr const char* NO_REGIONS = "Es ist keine Reihe gewählt.";
std::string yearsReversed(std::uint32_t from, std::uint32_t to);
inline constexpr const char* THRESHOLD_OUTSIDE =
    "Der Mindestanteil mit Daten muss zwischen 0 und 100 % liegen.";
inline constexpr const char* MONTH_OUTSIDE = "Der Monat muss zwischen 1 und 12 liegen.";
std::string baselineReversed(std::uint32_t first, std::uint32_t last);

// Failures of the computation.
std::string noCells(const std::string& label);
std::string positionMissing(std::uint32_t id);
std::string spanOutsideData(std::uint32_t from, std::uint32_t to, std::uint32_t first,
                            std::uint32_t last);
std::string baselineWithoutData(std::uint32_t first, std::uint32_t last);
std::string fileWithoutData(const std::string& fileName);
inline constexpr const char* STOPPED = "Die Berechnung der Zeitreihen wurde abgebrochen.";

// The trend under the chart: "+0,19 °C/Jahrzehnt (±0,03)".
inline constexpr const char* PER_DECADE = "°C/Jahrzehnt";
inline constexpr const char* NO_TREND = "Kein Trend: zu wenige Werte im Zeitraum";
inline constexpr const char* NO_INTERVAL = "kein Intervall: zu wenige unabhängige Werte";

// The head of the table.
inline constexpr const char* TABLE_DATASET = "Datenbank: ";
inline constexpr const char* TABLE_BASELINE = "Bezugszeitraum: ";
inline constexpr const char* TABLE_THRESHOLD = "Mindestanteil mit Daten: ";
inline constexpr const char* TABLE_GAPS = "Leeres Feld: zu wenig Daten";
inline constexpr const char* TABLE_YEAR = "Jahr";
inline constexpr const char* TABLE_MONTH = "Monat";
// The baseline of the head when none was chosen.
inline constexpr const char* BASELINE_AS_IN_FILE = "wie in der Datei";

}  // namespace seriestexts
