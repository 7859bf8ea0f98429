#include "export/ExportTable.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "toolkit/ZDecimalText.h"
#include "toolkit/ZSystem.h"

namespace {

void appendWhole(std::string& text, std::uint64_t value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

// "%u", or "%u bis %u" when the group's first and last differ.
ZString span(std::uint64_t first, std::uint64_t last) {
    std::string text;
    appendWhole(text, first);
    if (last != first) {
        text += " bis ";
        appendWhole(text, last);
    }
    return ZString(std::move(text));
}

}  // namespace

ZString ExportTable::databaseLine(const ZString& dbFile) const {
    ZString name;
    ZSystem::extractPath(dbFile, name, true);
    return ZString("Datenbank: " + name.str());
}

ZString ExportTable::legendLine() {
    return "-99,9 Keine Daten";
}

ZString ExportTable::heading() const {
    // The positions' heading keeps the blank its name placeholder left behind.
    return withPositions_ ? "Jahr;Monat;Anomalie Gesamt;Anomalie ;Abdeckung in Prozent"
                          : "Jahr;Monat;Anomalie Gesamt;Abdeckung in Prozent";
}

ZString ExportTable::monthRow(std::uint64_t year, std::uint32_t month, double globalMean,
                              double positionsMean, double coverage) const {
    return row(span(year, year), span(month, month), globalMean, positionsMean, coverage);
}

ZString ExportTable::groupRow(std::uint64_t firstYear, std::uint64_t lastYear,
                              std::uint32_t firstMonth, std::uint32_t lastMonth, double globalMean,
                              double positionsMean, double coverage) const {
    return row(span(firstYear, lastYear), span(firstMonth, lastMonth), globalMean, positionsMean,
               coverage);
}

ZString ExportTable::row(const ZString& year, const ZString& month, double globalMean,
                         double positionsMean, double coverage) const {
    std::string text = year.str() + ";" + month.str() + ";";
    appendFixed(text, globalMean);
    text += ';';
    if (withPositions_) {
        appendFixed(text, positionsMean);
        text += ';';
    }
    // A whole percentage, written as an unsigned 32-bit number is.
    appendWhole(text,
                static_cast<std::uint32_t>(static_cast<std::int64_t>(ZSystem::round(coverage, 0))));
    std::replace(text.begin(), text.end(), '.', ',');
    return ZString(std::move(text));
}
