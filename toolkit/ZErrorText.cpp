#include "toolkit/ZErrorText.h"

#include <cstring>

#include "toolkit/ZFormattedString.h"

namespace {

// strerror_r comes in two forms: GNU returns the text (in the buffer or a static one), XSI
// returns 0 and fills the buffer. Only the overload of the library in use is called.
[[maybe_unused]] const char* chosenText(const char* gnuResult, const char*) {
    return gnuResult;
}
[[maybe_unused]] const char* chosenText(int xsiResult, const char* buffer) {
    return xsiResult == 0 ? buffer : nullptr;
}

}  // namespace

ZString errorText(int errnoValue) {
    char buffer[256] = {};
    const char* text = chosenText(strerror_r(errnoValue, buffer, sizeof buffer), buffer);
    if (text == nullptr || *text == '\0') {
        return ZFormattedString("Systemfehler %d", errnoValue);
    }
    return ZString(text);
}
