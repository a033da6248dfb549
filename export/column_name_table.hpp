#pragma once

#include <span>
#include <string_view>

namespace pelcon {

// Links what an export template stores (a display name) with the value the reader is asked for.
struct ColumnName {
  std::string_view displayName;  // 8-bit text; the micro sign is the byte 0xB5
  std::string_view valueName;
};

std::span<const ColumnName> ColumnNameTable();

// The value name of the first row whose display name equals the entry, letter case ignored;
// empty when no row matches.
std::string_view ValueNameForColumn(std::string_view columnEntry);

// Answered from the log file header by the driver itself, not by the value dictionary.
inline constexpr std::string_view kTestNameValue = "Test Name";
inline constexpr std::string_view kDeviceNameValue = "Device Name";

}  // namespace pelcon
