#pragma once

#ifdef _WIN32

#include <windows.h>

#include <random>
#include <string>

namespace pelcon::testing {

// Gives the process an empty registry for its lifetime: HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT
// are redirected to fresh keys of a scratch tree under HKEY_CURRENT_USER, which is removed
// afterwards. The registry-file tests of other platforms get the same isolation from a file.
class ScopedRegistryOverride {
 public:
  ScopedRegistryOverride() {
    std::random_device random;
    scratch_ = "Software\\Tarvel Pelcon Tests\\" + std::to_string(random()) + "-" +
               std::to_string(random());
    Redirect(HKEY_LOCAL_MACHINE, "\\HKLM", machine_);
    Redirect(HKEY_CLASSES_ROOT, "\\HKCR", classes_);
  }
  ScopedRegistryOverride(const ScopedRegistryOverride&) = delete;
  ScopedRegistryOverride& operator=(const ScopedRegistryOverride&) = delete;
  ~ScopedRegistryOverride() {
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (machine_ != nullptr) ::RegCloseKey(machine_);
    if (classes_ != nullptr) ::RegCloseKey(classes_);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
  }

 private:
  void Redirect(HKEY root, const char* name, HKEY& target) {
    const std::string path = scratch_ + name;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &target, nullptr) == ERROR_SUCCESS) {
      ::RegOverridePredefKey(root, target);
    }
  }

  std::string scratch_;
  HKEY machine_ = nullptr;
  HKEY classes_ = nullptr;
};

}  // namespace pelcon::testing

#endif
