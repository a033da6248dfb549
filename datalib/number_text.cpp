#include "datalib/number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace pelcon {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// from_chars reports overflow and underflow alike; tell them apart by the decimal exponent of
// the first significant digit.
double OutOfRange(std::string_view number, bool negative) {
  long scale = 0;  // position of the first nonzero digit relative to the decimal point
  bool seenPoint = false;
  bool seenNonZero = false;
  std::size_t i = 0;
  for (; i < number.size(); ++i) {
    const char c = number[i];
    if (c == '.') {
      seenPoint = true;
    } else if (IsDigit(c)) {
      if (!seenNonZero) {
        if (c != '0') {
          seenNonZero = true;
          if (!seenPoint) ++scale;
        } else if (seenPoint) {
          --scale;
        }
      } else if (!seenPoint) {
        ++scale;
      }
    } else {
      break;
    }
  }
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    long exponent = 0;
    bool negativeExponent = false;
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
      negativeExponent = number[i] == '-';
      ++i;
    }
    for (; i < number.size() && IsDigit(number[i]); ++i) {
      if (exponent < 100000) exponent = exponent * 10 + (number[i] - '0');
    }
    scale += negativeExponent ? -exponent : exponent;
  }
  const double magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

std::uint32_t ReadInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::uint32_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  return negative ? 0u - value : value;
}

double ReadFloating(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // from_chars takes no sign of its own here, so "+-1" and "--1" read as 0 as in the C library.
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  double value = 0.0;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    return OutOfRange(std::string_view(first, static_cast<std::size_t>(last - first)), negative);
  }
  if (result.ec != std::errc()) return 0.0;
  return negative ? -value : value;
}

std::size_t WidenExponent(char* buffer, std::size_t length) {
  for (std::size_t i = 0; i + 1 < length; ++i) {
    if ((buffer[i] == 'e' || buffer[i] == 'E') && (buffer[i + 1] == '+' || buffer[i + 1] == '-')) {
      const std::size_t digitsStart = i + 2;
      std::size_t digitsEnd = digitsStart;
      while (digitsEnd < length && IsDigit(buffer[digitsEnd])) ++digitsEnd;
      const std::size_t digits = digitsEnd - digitsStart;
      if (digits >= 3) return length;
      const std::size_t pad = 3 - digits;
      std::memmove(buffer + digitsStart + pad, buffer + digitsStart, length - digitsStart);
      std::memset(buffer + digitsStart, '0', pad);
      return length + pad;
    }
  }
  return length;
}

std::size_t FormatDoubleTo(double value, char* buffer) {
  // Room for the longest %.15g text (about 24 characters) plus the exponent padding.
  const auto result =
      std::to_chars(buffer, buffer + kNumberTextSize - 4, value, std::chars_format::general, 15);
  const auto length = static_cast<std::size_t>(result.ptr - buffer);
  return WidenExponent(buffer, length);
}

std::string FormatDouble(double value) {
  char buffer[kNumberTextSize];
  return std::string(buffer, FormatDoubleTo(value, buffer));
}

std::string FormatFloat(float value) {
  // "%#e" is "%e" with a point forced; with 6 digits after the point there always is one.
  char buffer[kNumberTextSize];
  const auto result = std::to_chars(buffer, buffer + kNumberTextSize - 4,
                                    static_cast<double>(value), std::chars_format::scientific, 6);
  const auto length = static_cast<std::size_t>(result.ptr - buffer);
  return std::string(buffer, WidenExponent(buffer, length));
}

namespace {

std::string FormatWith(double value, std::chars_format format, int precision) {
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (result.ec != std::errc()) return std::string();
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string FormatFixed(double value, int precision) {
  return FormatWith(value, std::chars_format::fixed, precision);
}

std::string FormatScientific(double value, int precision) {
  return FormatWith(value, std::chars_format::scientific, precision);
}

}  // namespace pelcon
