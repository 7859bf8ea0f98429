#pragma once

#include "toolkit/ZString.h"

// The system's text for an errno value ("No space left on device"), safe to call from any
// thread, unlike std::strerror, whose buffer the threads would share.
ZString errorText(int errnoValue);
