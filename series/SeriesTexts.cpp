#include "series/SeriesTexts.h"

#include "toolkit/ZFormattedString.h"

namespace seriestexts {

namespace {

// A message with one text in its quotes, worded in the interface's language.
std::string withQuoted(const char* german, const std::string& text) {
    return ZFormattedString(ztr(german).c_str(), text.c_str()).str();
}

}  // namespace

std::string unknownRegion(const std::string& text) {
    return withQuoted(ZTEXT("Unbekanntes Gebiet \"%s\": erwartet wird global, mean, position[:N], "
                            "nh, sh, tropics, arctic, box:W,S,E,N oder band:S,N."),
                      text);
}

std::string boxNumbers(const std::string& text) {
    return withQuoted(ZTEXT("Das Gebiet \"%s\" braucht vier Zahlen in Grad: box:West,Süd,Ost,Nord "
                            "(Süden und Westen negativ)."),
                      text);
}

std::string bandNumbers(const std::string& text) {
    return withQuoted(
        ZTEXT("Das Gebiet \"%s\" braucht zwei Zahlen in Grad: band:Süd,Nord (Süden negativ)."),
        text);
}

std::string positionNumber(const std::string& text) {
    return withQuoted(ZTEXT("Das Gebiet \"%s\" nennt keine Positionsnummer: position:N mit N ab 1 "
                            "(1 = Ansichtsposition)."),
                      text);
}

std::string regionInText(const std::string& text, const std::string& problem) {
    return ZFormattedString(ztr("Das Gebiet \"%s\" geht nicht: %s").c_str(), text.c_str(),
                            problem.c_str())
        .str();
}

std::string yearsReversed(std::uint32_t from, std::uint32_t to) {
    return ZFormattedString(ztr("Das Endjahr %u liegt vor dem Anfangsjahr %u.").c_str(), to, from)
        .str();
}

std::string baselineReversed(std::uint32_t first, std::uint32_t last) {
    return ZFormattedString(
               ztr("Der Bezugszeitraum %u-%u ist leer: sein Ende liegt vor seinem Anfang.").c_str(),
               first, last)
        .str();
}

std::string noCells(const std::string& label) {
    return withQuoted(ZTEXT("Das Gebiet \"%s\" enthält keinen Zellmittelpunkt des Gitters: es ist "
                            "zu klein für eine Reihe."),
                      label);
}

std::string positionMissing(std::uint32_t id) {
    return ZFormattedString(ztr("Die Position %u gibt es nicht.").c_str(), id).str();
}

std::string spanOutsideData(std::uint32_t from, std::uint32_t to, std::uint32_t first,
                            std::uint32_t last) {
    return ZFormattedString(ztr("Der Zeitraum %u-%u liegt außerhalb der Daten (%u-%u).").c_str(),
                            from, to, first, last)
        .str();
}

std::string baselineWithoutData(std::uint32_t first, std::uint32_t last) {
    return ZFormattedString(ztr("Der Bezugszeitraum %u-%u enthält keine Zelle mit Daten in "
                                "mindestens der Hälfte seiner Jahre.")
                                .c_str(),
                            first, last)
        .str();
}

std::string fileWithoutData(const std::string& fileName) {
    return withQuoted(ZTEXT("Die Datei \"%s\" enthält keinen Monat mit Daten."), fileName);
}

}  // namespace seriestexts
