#pragma once

#include <string>

#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/scoped_environment.hpp"

namespace pelcon::testing {

// Points the settings at an empty registry file of the test's own for its lifetime.
class ScopedRegistry {
 public:
  explicit ScopedRegistry(const ScratchDirectory& scratch)
      : path_(scratch.File("registry.reg")), variable_("PELCON_REGISTRY", path_) {}

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  ScopedEnvironment variable_;
};

}  // namespace pelcon::testing
