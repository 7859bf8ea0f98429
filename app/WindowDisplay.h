#pragma once

#include <functional>

// Whether the window has somewhere to show itself: DISPLAY or WAYLAND_DISPLAY is set, or
// QT_QPA_PLATFORM names a Qt platform that needs no display (offscreen, minimal, a frame
// buffer). Asked before Qt starts, which would otherwise abort. variable gives an environment
// variable's value, or null.
bool windowHasDisplay(const std::function<const char*(const char*)>& variable);
