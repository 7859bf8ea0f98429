#include "grid/NotNumbersNote.h"

#include "grid/GridDatabase.h"
#include "toolkit/ZFormattedString.h"

namespace {

constexpr const char* MONTH_NAMES[] = {"Januar",    "Februar", "März",     "April",
                                       "Mai",       "Juni",    "Juli",     "August",
                                       "September", "Oktober", "November", "Dezember"};

}  // namespace

ZString notNumbersNote(const GridDatabase& database) {
    const std::uint32_t count = database.notNumbers();
    if (count == 0) {
        return ZString();
    }
    // Only a month from 1 to 12 is ever read; the remainder just keeps the index in the table.
    const MonthSelection& selection = database.selection();
    ZString when = selection.yearAverage()
                       ? ZFormattedString("Jahr %u", selection.year())
                       : ZFormattedString("%s %u", MONTH_NAMES[(selection.month() - 1) % 12],
                                          selection.year());
    const char* what =
        count == 1 ? "Wert ist keine Zahl und gilt" : "Werte sind keine Zahlen und gelten";
    return ZFormattedString("%s: %u %s als 0,0.", when.c_str(), count, what);
}
