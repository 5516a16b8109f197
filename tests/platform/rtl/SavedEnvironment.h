#pragma once
// Keeps a test's changes to an environment variable from leaking into the next test.
#include <cstdlib>
#include <optional>
#include <string>

namespace zorvy::test {

// Puts the variable back as it found it, set or unset, when it goes out of scope.
class SavedEnvironmentVariable {
  public:
    explicit SavedEnvironmentVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) value_ = value;
    }
    ~SavedEnvironmentVariable() {
        if (value_)
            setenv(name_, value_->c_str(), 1);
        else
            unsetenv(name_);
    }
    SavedEnvironmentVariable(const SavedEnvironmentVariable&) = delete;
    SavedEnvironmentVariable& operator=(const SavedEnvironmentVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> value_;
};

} // namespace zorvy::test
