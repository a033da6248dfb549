#include "datalib/currency_value.hpp"

#include <cstdio>
#include <limits>

namespace pelcon {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string FormatCurrencyText(const CurrencyValue& value) {
  if (value.status == ValueStatus::kNull) return {};
  if (value.status == ValueStatus::kInvalid) return "Invalid Currency";
  const bool negative = value.units < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.units)
                                           : static_cast<std::uint64_t>(value.units);
  char text[48];
  int length = std::snprintf(text, sizeof text, "%s%llu", negative ? "-" : "",
                             static_cast<unsigned long long>(magnitude / 10000));
  unsigned fraction = static_cast<unsigned>(magnitude % 10000);
  if (fraction != 0) {
    int decimals = 4;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --decimals;
    }
    std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), ".%0*u", decimals,
                  fraction);
  }
  return text;
}

bool ParseCurrencyText(std::string_view text, CurrencyValue& value) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  if (i == n) {
    value = CurrencyValue{0, ValueStatus::kNull};
    return false;
  }
  const CurrencyValue invalid{0, ValueStatus::kInvalid};
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  if (i < n && text[i] == '$') ++i;

  // Accumulate the magnitude in ten-thousandths, unsigned, with an overflow check.
  constexpr std::uint64_t kLimit =
      static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;
  std::uint64_t whole = 0;
  int digits = 0;
  while (i < n && (IsDigit(text[i]) || text[i] == ',')) {
    if (text[i] == ',') {
      // A group separator must stand between digits.
      if (digits == 0 || i + 1 >= n || !IsDigit(text[i + 1])) {
        value = invalid;
        return false;
      }
      ++i;
      continue;
    }
    whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (whole > kLimit / 10000) {
      value = invalid;
      return false;
    }
    ++digits;
    ++i;
  }
  std::uint64_t fraction = 0;  // the first four decimals
  int decimals = 0;
  int roundDigit = -1;      // the fifth decimal
  bool stickyRest = false;  // any nonzero decimal after the fifth
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) {
      const int d = text[i] - '0';
      if (decimals < 4) {
        fraction = fraction * 10 + static_cast<std::uint64_t>(d);
      } else if (decimals == 4) {
        roundDigit = d;
      } else if (d != 0) {
        stickyRest = true;
      }
      ++decimals;
      ++digits;
      ++i;
    }
  }
  while (i < n && IsBlank(text[i])) ++i;
  if (digits == 0 || i != n) {
    value = invalid;
    return false;
  }
  for (int d = decimals; d < 4; ++d) fraction *= 10;
  std::uint64_t magnitude = whole * 10000 + fraction;
  if (roundDigit > 5 || (roundDigit == 5 && (stickyRest || magnitude % 2 == 1))) ++magnitude;
  if (magnitude > kLimit || (!negative && magnitude == kLimit)) {
    value = invalid;
    return false;
  }
  value.units =
      negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  value.status = ValueStatus::kValid;
  return true;
}

}  // namespace pelcon
