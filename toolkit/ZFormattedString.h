#pragma once

#include "toolkit/ZString.h"

// printf-style formatting that always uses the C locale's decimal point, whatever locale the
// process runs under: texts the program writes must not change with the user's locale.
class ZFormattedString : public ZString {
public:
    explicit ZFormattedString(const char* format, ...) __attribute__((format(printf, 2, 3)));
};
