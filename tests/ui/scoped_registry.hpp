#pragma once

#include <string>

#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"

#ifdef _WIN32
#include "platform/registry.hpp"
#endif

namespace pelcon::testing {

// Points the settings at an empty registry file of the test's own for its lifetime. Windows has
// the real registry instead: there the settings key is emptied before and after the test.
class ScopedRegistry {
 public:
  explicit ScopedRegistry(const ScratchDirectory& scratch)
      : path_(scratch.File("registry.reg")), environment_("PELCON_REGISTRY", path_) {
    ClearSettings();
  }
  ScopedRegistry(const ScopedRegistry&) = delete;
  ScopedRegistry& operator=(const ScopedRegistry&) = delete;
  ~ScopedRegistry() { ClearSettings(); }

  const std::string& Path() const { return path_; }

 private:
  static void ClearSettings() {
#ifdef _WIN32
    platform::DeleteRegistryKey("HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon");
#endif
  }

  std::string path_;
  ScopedEnvironment environment_;
};

}  // namespace pelcon::testing
