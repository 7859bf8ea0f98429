#include "grid/NotNumbersNote.h"

#include "grid/GridDatabase.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"

namespace {

constexpr const char* MONTH_NAMES[] = {ZTEXT("Januar"),  ZTEXT("Februar"),  ZTEXT("März"),
                                       ZTEXT("April"),   ZTEXT("Mai"),      ZTEXT("Juni"),
                                       ZTEXT("Juli"),    ZTEXT("August"),   ZTEXT("September"),
                                       ZTEXT("Oktober"), ZTEXT("November"), ZTEXT("Dezember")};

}  // namespace

ZString notNumbersNote(const GridDatabase& database) {
    const std::uint32_t count = database.notNumbers();
    if (count == 0) {
        return ZString();
    }
    // Only a month from 1 to 12 is ever read; the remainder just keeps the index in the table.
    const MonthSelection& selection = database.selection();
    ZString when =
        selection.yearAverage()
            ? ZFormattedString(ztr("Jahr %u").c_str(), selection.year())
            : ZFormattedString("%s %u", ztr(MONTH_NAMES[(selection.month() - 1) % 12]).c_str(),
                               selection.year());
    ZString what = count == 1 ? ztr("Wert ist keine Zahl und gilt")
                              : ztr("Werte sind keine Zahlen und gelten");
    return ZFormattedString(ztr("%s: %u %s als 0,0.").c_str(), when.c_str(), count, what.c_str());
}
