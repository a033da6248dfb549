#include "platform/registry.hpp"

#include <windows.h>

#include <array>

namespace pelcon::platform {
namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// A key path split into its root key and the path below it.
struct KeyPath {
  HKEY root = nullptr;
  std::string below;
};

std::optional<KeyPath> SplitKey(std::string_view key) {
  struct Root {
    std::string_view name;
    HKEY key;
  };
  static const std::array<Root, 3> kRoots = {{{"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                                              {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                                              {"HKEY_CURRENT_USER", HKEY_CURRENT_USER}}};
  const std::string_view rootName = key.substr(0, key.find('\\'));
  const std::string_view below =
      rootName.size() < key.size() ? key.substr(rootName.size() + 1) : std::string_view();
  for (const Root& root : kRoots) {
    if (SameName(rootName, root.name)) return KeyPath{root.key, std::string(below)};
  }
  return std::nullopt;
}

// An open key, closed with its owner.
class OpenKey {
 public:
  OpenKey(std::string_view key, REGSAM access) {
    if (std::optional<KeyPath> path = SplitKey(key))
      status_ = ::RegOpenKeyExA(path->root, path->below.c_str(), 0, access, &key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (status_ == ERROR_SUCCESS) ::RegCloseKey(key_);
  }

  bool Opened() const { return status_ == ERROR_SUCCESS; }
  bool Missing() const { return status_ == ERROR_FILE_NOT_FOUND; }
  HKEY Key() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LSTATUS status_ = ERROR_INVALID_PARAMETER;
};

}  // namespace

std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view name) {
  OpenKey opened(key, KEY_QUERY_VALUE);
  if (!opened.Opened()) return std::nullopt;
  const std::string valueName(name);
  std::string text;
  // The value may grow between asking for its size and reading it: ask again then.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(opened.Key(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return std::nullopt;
    }
    text.resize(size);
    const LSTATUS status = ::RegQueryValueExA(opened.Key(), valueName.c_str(), nullptr, &type,
                                              reinterpret_cast<BYTE*>(text.data()), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    text.resize(size);
    // A stored string usually ends with its terminating zero, which is no part of the text.
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }
  return std::nullopt;
}

bool WriteRegistryString(std::string_view key, std::string_view name, std::string_view text) {
  std::optional<KeyPath> path = SplitKey(key);
  if (!path || path->below.empty() || text.size() >= MAXDWORD) return false;
  HKEY opened = nullptr;
  if (::RegCreateKeyExA(path->root, path->below.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::string valueName(name);
  const std::string data(text);
  const LSTATUS status = ::RegSetValueExA(opened, valueName.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(data.c_str()),
                                          static_cast<DWORD>(data.size() + 1));
  ::RegCloseKey(opened);
  return status == ERROR_SUCCESS;
}

bool CreateRegistryKey(std::string_view key) {
  std::optional<KeyPath> path = SplitKey(key);
  if (!path || path->below.empty()) return false;
  HKEY opened = nullptr;
  if (::RegCreateKeyExA(path->root, path->below.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(opened);
  return true;
}

bool DeleteRegistryValue(std::string_view key, std::string_view name) {
  OpenKey opened(key, KEY_SET_VALUE);
  if (opened.Missing()) return true;
  if (!opened.Opened()) return false;
  const LSTATUS status = ::RegDeleteValueA(opened.Key(), std::string(name).c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool DeleteRegistryKey(std::string_view key) {
  std::optional<KeyPath> path = SplitKey(key);
  // Removing a whole root key is never meant.
  if (!path || path->below.empty()) return false;
  const LSTATUS status = ::RegDeleteTreeA(path->root, path->below.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryKeyExists(std::string_view key) {
  return OpenKey(key, KEY_READ).Opened();
}

std::vector<std::string> RegistrySubkeys(std::string_view key) {
  std::vector<std::string> names;
  OpenKey opened(key, KEY_ENUMERATE_SUB_KEYS);
  if (!opened.Opened()) return names;
  // Key names are at most 255 characters.
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(opened.Key(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  return names;
}

}  // namespace pelcon::platform
