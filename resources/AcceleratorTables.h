#pragma once

#include <span>

#include "toolkit/ui/ZAccelerator.h"

// The main window's keys: accelerator table IDR_ACCELERATORS.
std::span<const ZAccelerator> mainAccelerators();
