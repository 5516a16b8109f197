#pragma once
// Keeps a test's changes to the process-wide format settings from leaking into the next test.
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

namespace zorvy::test {

// Restores the format settings it found when it goes out of scope, also after a failed assertion.
class SavedFormatSettings {
  public:
    SavedFormatSettings() : saved_(FormatSettings()) {}
    ~SavedFormatSettings() { FormatSettings() = saved_; }
    SavedFormatSettings(const SavedFormatSettings&) = delete;
    SavedFormatSettings& operator=(const SavedFormatSettings&) = delete;

  private:
    TFormatSettings saved_;
};

// English defaults with the program's ISO short date for every test of a suite.
class EnglishFormatSettingsTest : public ::testing::Test {
  protected:
    EnglishFormatSettingsTest() { FormatSettings() = DefaultFormatSettings("en_US"); }

  private:
    SavedFormatSettings saved_;
};

} // namespace zorvy::test
