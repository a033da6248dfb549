#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "datalib/date_time_value.hpp"  // ValueStatus

// The currency value of the typed data library (type code 14) and its
// one fixed text form, the same on every platform (no locale calls):
//   the amount in decimal with a point and at most four decimals, trailing zeros dropped, no
//   currency sign and no digit grouping: "1234.5", "-0.0001", "12"
//   null status ""    invalid status "Invalid Currency"
// Parsing reads that form and also accepts a leading "+", a "$" after the sign, "," between
// digit groups of the integer part and more than four decimals (rounded half to even, as the
// Windows conversion does).

namespace pelcon {

struct CurrencyValue {
  std::int64_t units = 0;  // ten-thousandths
  ValueStatus status = ValueStatus::kValid;

  friend bool operator==(const CurrencyValue&, const CurrencyValue&) = default;
};

std::string FormatCurrencyText(const CurrencyValue& value);

// On failure returns false and sets value to 0 with status kNull for an empty (or all blank)
// text and kInvalid otherwise (including amounts beyond the 64-bit range).
bool ParseCurrencyText(std::string_view text, CurrencyValue& value);

}  // namespace pelcon
