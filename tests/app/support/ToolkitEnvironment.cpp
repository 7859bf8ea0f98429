#include "ToolkitEnvironment.h"

#include "resources/SorvoResources.h"

namespace {

const testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ToolkitEnvironment(sorvoResources()));

}  // namespace
