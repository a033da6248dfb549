#pragma once

#include <span>

namespace pelcon {

// One compiled-in row of the value attribute table. The identifiers name texts of the value
// attribute string table (ValueAttributeText); a negative identifier means no text.
struct ValueAttributeRow {
  const char* name;
  int alias;
  int unitType;
  int unitTypeAbv;
  int units;
  int unitsAbv;
  const char* format;  // printf-style, "DATETIME", or " " for none
  int digits;          // significant digits, -1 when not used
};

inline constexpr int kValueAttributeRowCount = 226;

// Every value name's row. Five names have two rows; the later one holds.
std::span<const ValueAttributeRow> ValueAttributeRows();

}  // namespace pelcon
