// Tests of the controller's clock run in UTC, whatever the machine's time zone, so that host
// times map to known local times.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace zor06::sim::testing {

class UtcZoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) {
            savedTz_ = tz;
        }
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override {
        if (savedTz_) {
            setenv("TZ", savedTz_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> savedTz_;
};

}  // namespace zor06::sim::testing
