#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {

// The viewer runs with the C library locale taken from the environment (Qt sets it), so the
// tests do the same; the German run must really have a decimal comma or it proves nothing.
class LocaleFromEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        const char* chosen = std::setlocale(LC_ALL, "");
        if (std::getenv("SORVO_TEST_LOCALE")) {
            ASSERT_NE(chosen, nullptr) << "locale " << std::getenv("SORVO_TEST_LOCALE");
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        }
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new LocaleFromEnvironment);

}  // namespace
