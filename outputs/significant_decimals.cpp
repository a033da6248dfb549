#include "outputs/significant_decimals.hpp"

#include <charconv>
#include <cstring>

namespace pelcon::outputs {

int SignificantDecimals(double value, int digits) {
  if (value == 0.0) return digits - 1;
  // The exponent after rounding to the digits ("9.9996" at 4 digits is 1.000e+01).
  char text[64];
  const auto printed =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
  const char* e = static_cast<const char*>(std::memchr(text, 'e', printed.ptr - text));
  if (printed.ec != std::errc() || e == nullptr) return -1;
  int exponent = 0;
  const char* start = e[1] == '+' ? e + 2 : e + 1;
  if (std::from_chars(start, printed.ptr, exponent).ec != std::errc()) return -1;
  if (exponent < -4 || exponent >= digits) return -1;
  return digits - 1 - exponent;
}

}  // namespace pelcon::outputs
