#pragma once

#include <string>

#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scoped_registry_override.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon::testing {

// Points the settings at an empty registry file of the test's own for its lifetime; on Windows,
// at an empty registry.
class ScopedRegistry {
 public:
  explicit ScopedRegistry(const ScratchDirectory& scratch)
      : path_(scratch.File("registry.reg")), variable_("PELCON_REGISTRY", path_) {}

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  ScopedEnvironment variable_;
#ifdef _WIN32
  ScopedRegistryOverride emptyRegistry_;
#endif
};

}  // namespace pelcon::testing
