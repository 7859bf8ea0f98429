#pragma once

#include "toolkit/ZString.h"

class GridDatabase;

// "Januar 1990: 3 Werte sind keine Zahlen und gelten als 0,0." for the month the dataset last
// read ("Jahr 1990: ..." for a year's average), so that values read as 0.0 are not mistaken for
// data; empty when every value was a number.
ZString notNumbersNote(const GridDatabase& database);
