#include "logfile/value_attribute_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "datalib/calendar.hpp"
#include "datalib/number_text.hpp"
#include "datalib/significant_digits.hpp"
#include "datalib/text_helpers.hpp"

namespace pelcon {
namespace {

// Julian dates of 1 January of the years 1 and 10000: the range a date-time record can print.
constexpr double kFirstPrintableJulian = 1721423.5;
constexpr double kEndOfPrintableJulian = 5373484.5;

// Limits that keep every printed number inside a fixed buffer; the table's formats stay far below.
constexpr int kMaxWidth = 64;
constexpr int kMaxPrecision = 100;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads decimal digits at text[i], advancing i; false when the number exceeds the limit.
bool ReadCount(std::string_view text, std::size_t& i, int limit, int& count) {
  count = 0;
  while (i < text.size() && IsDigit(text[i])) {
    count = count * 10 + (text[i] - '0');
    if (count > limit) return false;
    ++i;
  }
  return true;
}

// NaN and infinity as the data library writes and reads them: "nan", "-nan", "inf", "infinity".
bool IsNonFiniteText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::string_view rest = text.substr(i);
  return EqualsNoCase(rest, "nan") || EqualsNoCase(rest, "inf") || EqualsNoCase(rest, "infinity") ||
         (rest.size() > 4 && EqualsNoCase(rest.substr(0, 4), "nan(") && rest.back() == ')');
}

}  // namespace

bool IsInvalidFormat(std::string_view format) {
  return format.empty() || format == " " || format == "-1" || EqualsNoCase(format, "$_ERR");
}

ValueFormat::ValueFormat(std::string_view format, int digits) : digits_(digits) {
  if (IsInvalidFormat(format)) {
    kind_ = Kind::kNone;
  } else if (EqualsNoCase(format, "%d")) {
    kind_ = Kind::kInteger;
  } else if (format.find('s', 1) != std::string_view::npos) {
    kind_ = ParseConversion(format, 's') ? Kind::kText : Kind::kEmpty;
  } else if (format.find('f', 1) != std::string_view::npos) {
    kind_ = ParseConversion(format, 'f') ? Kind::kNumber : Kind::kEmpty;
  } else if (EqualsNoCase(format, "DATETIME")) {
    kind_ = Kind::kDateTime;
  } else {
    kind_ = Kind::kEmpty;
  }
}

bool ValueFormat::ParseConversion(std::string_view format, char conversion) {
  const std::size_t percent = format.find('%');
  if (percent == std::string_view::npos) return false;
  std::size_t i = percent + 1;
  // Flags are not supported: a leading 0 would be one.
  if (i < format.size() && format[i] == '0') return false;
  if (!ReadCount(format, i, kMaxWidth, width_)) return false;
  if (i < format.size() && format[i] == '.') {
    ++i;
    if (!ReadCount(format, i, kMaxPrecision, precision_)) return false;
  }
  if (conversion == 'f' && i < format.size() && format[i] == 'l') ++i;
  if (i >= format.size() || format[i] != conversion) return false;
  const std::string_view suffix = format.substr(i + 1);
  if (suffix.find('%') != std::string_view::npos) return false;
  prefix_.assign(format.substr(0, percent));
  suffix_.assign(suffix);
  return true;
}

std::string ValueFormat::Pad(std::string_view body) const {
  std::string out;
  const std::size_t width = static_cast<std::size_t>(width_);
  const std::size_t pad = body.size() < width ? width - body.size() : 0;
  out.reserve(prefix_.size() + pad + body.size() + suffix_.size());
  out.append(prefix_).append(pad, ' ').append(body).append(suffix_);
  return out;
}

std::string ValueFormat::FormatNumber(double value) const {
  const std::string body = FormatFixed(value, precision_ < 0 ? 6 : precision_);
  return body.empty() ? std::string() : Pad(body);
}

std::string ValueFormat::Format(std::string_view text) const {
  switch (kind_) {
    case Kind::kNone:
      return IsNonFiniteText(text) ? std::string() : std::string(text);
    case Kind::kInteger: {
      if (!std::isfinite(ReadFloating(text))) return std::string();
      char buffer[16];
      const auto value = static_cast<std::int32_t>(ReadInteger(text));
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
      return std::string(buffer, result.ptr);
    }
    case Kind::kText:
      return Pad(precision_ < 0 ? text : text.substr(0, static_cast<std::size_t>(precision_)));
    case Kind::kNumber: {
      const double value = ReadFloating(text);
      if (!std::isfinite(value)) return std::string();
      return digits_ > 0 ? FormatSignificant(value, digits_) : FormatNumber(value);
    }
    case Kind::kDateTime: {
      const double julian = ReadFloating(text);
      if (!(julian >= kFirstPrintableJulian && julian < kEndOfPrintableJulian))
        return std::string();
      DateTimeRecord time;
      JulianToDateTime(julian, time);
      char buffer[80];
      const int length =
          std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d %02d:%02d:%02d", time.month,
                        time.day, time.year % 100, time.hour, time.minute, time.second);
      return std::string(buffer, static_cast<std::size_t>(length));
    }
    case Kind::kEmpty:
      break;
  }
  return std::string();
}

}  // namespace pelcon
