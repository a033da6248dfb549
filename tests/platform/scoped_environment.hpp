#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace pelcon::testing {

// Sets (or, with nothing, removes) an environment variable for its lifetime.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value)
      : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    Apply(value);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() { Apply(old_); }

 private:
  void Apply(const std::optional<std::string>& value) {
#ifdef _WIN32
    // An empty value removes the variable there, so an empty one cannot be set.
    ::_putenv_s(name_.c_str(), value ? value->c_str() : "");
#else
    if (value) {
      ::setenv(name_.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
#endif
  }

  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace pelcon::testing
