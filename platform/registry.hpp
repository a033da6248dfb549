#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelcon::platform {

// Key paths start with the root key and use backslashes, as on Windows:
// "HKEY_LOCAL_MACHINE\Software\Tarvel Inc.\Pelcon". Keys and value names compare without regard
// to letter case. An empty value name is the key's default value.

// The text of a string value; nothing when the key or the value is missing or not a string.
std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view name);

// Creates the key as needed and stores the value; false when nothing could be stored.
bool WriteRegistryString(std::string_view key, std::string_view name, std::string_view text);

// Each is true when the value (or the key with everything below it) is no longer stored,
// including when it never was; false when the store could not be changed.
bool DeleteRegistryValue(std::string_view key, std::string_view name);
bool DeleteRegistryKey(std::string_view key);

// Creates the key, without values, unless it exists; false when it could not be stored.
bool CreateRegistryKey(std::string_view key);

bool RegistryKeyExists(std::string_view key);

// The names of the keys directly below key, in stored order.
std::vector<std::string> RegistrySubkeys(std::string_view key);

}  // namespace pelcon::platform
