#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Number <-> text rules of the typed data library, shared by the typed
// value conversions, CDataMap and CDataTable. Locale-independent (std::to_chars/from_chars), so
// a program that switches the C locale (Qt does) still writes and reads "1.5".

namespace pelcon {

// Integer reading: leading white space, one optional sign, decimal digits up to the first
// non-digit; no digits reads as 0. Accumulated in 32 bits, wrapping modulo 2^32 without an
// overflow check ("-1" and "4294967295" both give 0xFFFFFFFF). Callers cut to their width.
std::uint32_t ReadInteger(std::string_view text);

// Floating-point reading: leading white space, optional sign, digits with an optional point and
// exponent, "inf"/"nan"; text that does not start a number reads as 0. Overflow gives an
// infinity, underflow 0, as the C library's reading does.
double ReadFloating(std::string_view text);

// "%.*g" with precision 15, exponent with a sign and at least three digits ("1e+020", "0.1").
// Writes into buffer (at least kNumberTextSize bytes) and returns the length.
inline constexpr std::size_t kNumberTextSize = 40;
std::size_t FormatDoubleTo(double value, char* buffer);
std::string FormatDouble(double value);

// "%#e" of the value widened to 64 bits, three-digit exponent: 1.5f gives "1.500000e+000".
std::string FormatFloat(float value);

// printf's "%.*f" and "%.*e" with the point always ".": the same digits glibc prints, in any
// locale. Empty when the text would not fit a 512-byte buffer (printf's own would cut it).
std::string FormatFixed(double value, int precision);
std::string FormatScientific(double value, int precision);

// Widens every exponent in a printf-style number text ("e+20" -> "e+020"). Returns the new
// length; buffer must have room for the added digits.
std::size_t WidenExponent(char* buffer, std::size_t length);

}  // namespace pelcon
