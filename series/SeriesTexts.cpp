#include "series/SeriesTexts.h"

#include "toolkit/ZFormattedString.h"

namespace seriestexts {

std::string unknownRegion(const std::string& text) {
    return "Unbekanntes Gebiet \"" + text +
           "\": erwartet wird global, mean, position[:N], nh, sh, tropics, arctic, "
           "box:W,S,E,N oder band:S,N.";
}

std::string boxNumbers(const std::string& text) {
    return "Das Gebiet \"" + text +
           "\" braucht vier Zahlen in Grad: box:West,Süd,Ost,Nord (Süden und Westen negativ).";
}

std::string bandNumbers(const std::string& text) {
    return "Das Gebiet \"" + text +
           "\" braucht zwei Zahlen in Grad: band:Süd,Nord (Süden negativ).";
}

std::string positionNumber(const std::string& text) {
    return "Das Gebiet \"" + text +
           "\" nennt keine Positionsnummer: position:N mit N ab 1 (1 = Ansichtsposition).";
}

std::string regionInText(const std::string& text, const std::string& problem) {
    return "Das Gebiet \"" + text + "\" geht nicht: " + problem;
}

std::string yearsReversed(std::uint32_t from, std::uint32_t to) {
    return ZFormattedString("Das Endjahr %u liegt vor dem Anfangsjahr %u.", to, from).str();
}

std::string baselineReversed(std::uint32_t first, std::uint32_t last) {
    return ZFormattedString("Der Bezugszeitraum %u-%u ist leer: sein Ende liegt vor seinem Anfang.",
                            first, last)
        .str();
}

std::string noCells(const std::string& label) {
    return "Das Gebiet \"" + label +
           "\" enthält keinen Zellmittelpunkt des Gitters: es ist zu klein für eine Reihe.";
}

std::string positionMissing(std::uint32_t id) {
    return ZFormattedString("Die Position %u gibt es nicht.", id).str();
}

std::string spanOutsideData(std::uint32_t from, std::uint32_t to, std::uint32_t first,
                            std::uint32_t last) {
    return ZFormattedString("Der Zeitraum %u-%u liegt außerhalb der Daten (%u-%u).", from, to,
                            first, last)
        .str();
}

std::string baselineWithoutData(std::uint32_t first, std::uint32_t last) {
    return ZFormattedString(
               "Der Bezugszeitraum %u-%u enthält keine Zelle mit Daten in "
               "mindestens der Hälfte seiner Jahre.",
               first, last)
        .str();
}

std::string fileWithoutData(const std::string& fileName) {
    return "Die Datei \"" + fileName + "\" enthält keinen Monat mit Daten.";
}

}  // namespace seriestexts
