#include <gtest/gtest.h>

#include "resources/SorvoResources.h"
#include "toolkit/ZSystem.h"

namespace {

// The window layer with the program's resources, started once for the whole run.
class ToolkitEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        ZSystem::startup("SorvoVisualizer", argc, argv, sorvoResources());
    }
    void TearDown() override { ZSystem::shutdown(); }
};

const testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

}  // namespace
