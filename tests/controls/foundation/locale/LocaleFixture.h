#pragma once
// Tests of the locale formats run on settings of their own and a fresh shared format controller; the
// process-wide settings and the locale come back afterwards.
#include "controls/foundation/locale/FormatController.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zorvy::test {

class LocaleTest : public ::testing::Test {
  protected:
    LocaleTest() : saved_(FormatSettings()) {
        if (const char* value = std::getenv("LC_ALL")) savedLocale_ = value;
        setenv("LC_ALL", "en_US.UTF-8", 1);
        settings = DefaultFormatSettings("en_US.UTF-8");
        FinalizeFormatController();
    }
    ~LocaleTest() override {
        FinalizeFormatController();
        SetFormatSettings(saved_);
        if (savedLocale_)
            setenv("LC_ALL", savedLocale_->c_str(), 1);
        else
            unsetenv("LC_ALL");
    }
    // Makes the settings current and reads them into a fresh shared controller.
    TcxFormatController* Apply() {
        SetFormatSettings(settings);
        FinalizeFormatController();
        return SharedFormatController();
    }

    TFormatSettings settings;

  private:
    TFormatSettings saved_;
    std::optional<std::string> savedLocale_;
};

} // namespace zorvy::test
