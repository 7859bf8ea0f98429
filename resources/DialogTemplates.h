#pragma once

#include <span>

#include "toolkit/ui/ZDialogTemplate.h"

// Every dialog template of the program.
std::span<const ZDialogTemplate> dialogTemplates();
