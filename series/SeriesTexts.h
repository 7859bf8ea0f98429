#pragma once

#include <cstdint>
#include <string>

#include "toolkit/ZLanguage.h"

// Every German text of the series library, in one place. Callers word them through ztr; the
// table's head stays German in either language, like the export's table, since other programs
// read it.
namespace seriestexts {

// Legend texts of the regions.
inline constexpr const char* GLOBAL_VALUE = ZTEXT("Globaler Wert (wie in der Kopfzeile)");
inline constexpr const char* COVERED_MEAN = ZTEXT("Flächenmittel der Zellen mit Daten");
inline constexpr const char* VIEW_POSITION = ZTEXT("Ansichtsposition");
inline constexpr const char* POSITION = ZTEXT("Position");
inline constexpr const char* NORTHERN = ZTEXT("Nordhalbkugel");
inline constexpr const char* SOUTHERN = ZTEXT("Südhalbkugel");
inline constexpr const char* TROPICS = ZTEXT("Tropen (23,5° S bis 23,5° N)");
inline constexpr const char* ARCTIC = ZTEXT("Arktis (nördlich von 66,5° N)");
inline constexpr const char* BOX = ZTEXT("Box");
inline constexpr const char* BAND = ZTEXT("Breitenband");
// Between the two ends of a span: "170° O bis 170° W".
inline constexpr const char* UNTIL = ZTEXT("bis");
inline constexpr const char* NORTH = "N";
inline constexpr const char* SOUTH = "S";
inline constexpr const char* EAST = ZTEXT("O");
inline constexpr const char* WEST = "W";

// Bad regions and requests.
std::string unknownRegion(const std::string& text);
std::string boxNumbers(const std::string& text);
std::string bandNumbers(const std::string& text);
std::string positionNumber(const std::string& text);
std::string regionInText(const std::string& text, const std::string& problem);
inline constexpr const char* NO_POSITION_ZERO =
    ZTEXT("Die Position 0 gibt es nicht: die Nummern beginnen bei 1 (der Ansichtsposition).");
inline constexpr const char* LATITUDES_OUTSIDE =
    ZTEXT("Die Breiten müssen zwischen 90° S und 90° N liegen.");
inline constexpr const char* LONGITUDES_OUTSIDE =
    ZTEXT("Die Längen müssen zwischen 180° W und 180° O liegen.");
inline constexpr const char* SOUTH_NOT_BELOW_NORTH =
    ZTEXT("Das Gebiet ist leer: sein Südrand liegt nicht südlich seines Nordrands.");
inline constexpr const char* WEST_IS_EAST =
    ZTEXT("Die Box ist leer: West- und Ostrand sind gleich.");
inline constexpr const char* NO_REGIONS = ZTEXT("Es ist keine Reihe gewählt.");
std::string yearsReversed(std::uint32_t from, std::uint32_t to);
inline constexpr const char* THRESHOLD_OUTSIDE =
    ZTEXT("Der Mindestanteil mit Daten muss zwischen 0 und 100 % liegen.");
inline constexpr const char* MONTH_OUTSIDE = ZTEXT("Der Monat muss zwischen 1 und 12 liegen.");
std::string baselineReversed(std::uint32_t first, std::uint32_t last);

// Failures of the computation.
std::string noCells(const std::string& label);
std::string positionMissing(std::uint32_t id);
std::string spanOutsideData(std::uint32_t from, std::uint32_t to, std::uint32_t first,
                            std::uint32_t last);
std::string baselineWithoutData(std::uint32_t first, std::uint32_t last);
std::string fileWithoutData(const std::string& fileName);
inline constexpr const char* STOPPED = ZTEXT("Die Berechnung der Zeitreihen wurde abgebrochen.");

// The trend under the chart: "+0,19 °C/Jahrzehnt (±0,03)".
inline constexpr const char* PER_DECADE = ZTEXT("°C/Jahrzehnt");
inline constexpr const char* NO_TREND = ZTEXT("Kein Trend: zu wenige Werte im Zeitraum");
inline constexpr const char* NO_INTERVAL = ZTEXT("kein Intervall: zu wenige unabhängige Werte");

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
