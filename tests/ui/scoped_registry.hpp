#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/platform/scratch_directory.hpp"

namespace pelcon::testing {

// Points the settings at an empty registry file of the test's own for its lifetime.
class ScopedRegistry {
 public:
  explicit ScopedRegistry(const ScratchDirectory& scratch) : path_(scratch.File("registry.reg")) {
    if (const char* old = std::getenv("PELCON_REGISTRY")) previous_ = old;
    ::setenv("PELCON_REGISTRY", path_.c_str(), 1);
  }
  ScopedRegistry(const ScopedRegistry&) = delete;
  ScopedRegistry& operator=(const ScopedRegistry&) = delete;
  ~ScopedRegistry() {
    if (previous_) {
      ::setenv("PELCON_REGISTRY", previous_->c_str(), 1);
    } else {
      ::unsetenv("PELCON_REGISTRY");
    }
  }

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::optional<std::string> previous_;
};

}  // namespace pelcon::testing
