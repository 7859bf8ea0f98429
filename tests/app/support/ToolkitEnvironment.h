#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZResourceModule.h"

// The window layer with the given resources, started once for the whole run. Qt takes the C
// library's locale from the environment; the German run must really have a decimal comma, or it
// proves nothing.
class ToolkitEnvironment : public testing::Environment {
  public:
    explicit ToolkitEnvironment(const ZResourceModule& resources) : resources_(resources) {}

    void SetUp() override {
        static int argc = 1;
        static char name[] = "sorvo_tests";
        static char* argv[] = {name, nullptr};
        ZSystem::startup("SorvoVisualizer", argc, argv, resources_);
        if (std::getenv("SORVO_TEST_LOCALE")) {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        }
    }
    void TearDown() override { ZSystem::shutdown(); }

  private:
    const ZResourceModule& resources_;
};
