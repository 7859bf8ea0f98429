#include "app/WindowDisplay.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Qt's platforms that draw without a display server.
constexpr std::array<std::string_view, 7> WITHOUT_DISPLAY{
    "offscreen", "minimal", "minimalegl", "linuxfb", "eglfs", "vkkhrdisplay", "vnc"};

bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// A platform list such as "wayland;offscreen", each entry with options after ":"; Qt tries
// them in turn.
bool anyWithoutDisplay(std::string_view platforms) {
    while (!platforms.empty()) {
        std::size_t end = std::min(platforms.find(';'), platforms.size());
        std::string_view entry = platforms.substr(0, end);
        entry = entry.substr(0, entry.find(':'));
        if (std::find(WITHOUT_DISPLAY.begin(), WITHOUT_DISPLAY.end(), entry) !=
            WITHOUT_DISPLAY.end()) {
            return true;
        }
        platforms.remove_prefix(std::min(end + 1, platforms.size()));
    }
    return false;
}

}  // namespace

bool windowHasDisplay(const std::function<const char*(const char*)>& variable) {
    if (isSet(variable("DISPLAY")) || isSet(variable("WAYLAND_DISPLAY"))) {
        return true;
    }
    const char* platform = variable("QT_QPA_PLATFORM");
    return isSet(platform) && anyWithoutDisplay(platform);
}
