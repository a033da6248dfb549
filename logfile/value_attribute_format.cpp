#include "logfile/value_attribute_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

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

void ValueFormat::AppendPadded(std::string_view body, std::string& out) const {
  const std::size_t width = static_cast<std::size_t>(width_);
  const std::size_t pad = body.size() < width ? width - body.size() : 0;
  out.append(prefix_).append(pad, ' ').append(body).append(suffix_);
}

// printf's "%.*f" in any C locale: the point is always ".".
void ValueFormat::AppendFixed(double value, std::string& out) const {
  char buffer[512];
  const int precision = precision_ < 0 ? 6 : precision_;
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  if (result.ec != std::errc()) return;
  AppendPadded(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)), out);
}

void ValueFormat::AppendFormattedNumber(double value, std::string& out) const {
  if (!std::isfinite(value)) return;
  if (digits_ > 0) {
    out.append(FormatSignificant(value, digits_));
  } else {
    AppendFixed(value, out);
  }
}

// "%m/%d/%y %H:%M:%S".
void ValueFormat::AppendDateTime(double julian, std::string& out) {
  if (!(julian >= kFirstPrintableJulian && julian < kEndOfPrintableJulian)) return;
  DateTimeRecord time;
  JulianToDateTime(julian, time);
  const int fields[] = {time.month, time.day, time.year % 100, time.hour, time.minute, time.second};
  const char separators[] = {'/', '/', ' ', ':', ':', '\0'};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    // Every field is two digits except a value that does not fit, which prints whole.
    const int field = fields[i];
    if (field >= 0 && field < 10) out.push_back('0');
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, field);
    out.append(buffer, result.ptr);
    if (separators[i] != '\0') out.push_back(separators[i]);
  }
}

int ValueFormat::FixedDecimals() const {
  if (kind_ != Kind::kNumber || digits_ > 0) return -1;
  return precision_ < 0 ? 6 : precision_;
}

void ValueFormat::AppendNumber(double value, std::string& out) const {
  switch (kind_) {
    case Kind::kNumber:
      AppendFormattedNumber(value, out);
      return;
    case Kind::kDateTime:
      AppendDateTime(value, out);
      return;
    default: {
      char buffer[kNumberTextSize];
      out.append(Format(std::string_view(buffer, FormatDoubleTo(value, buffer))));
      return;
    }
  }
}

std::string ValueFormat::Format(std::string_view text) const {
  std::string out;
  switch (kind_) {
    case Kind::kNone:
      if (!IsNonFiniteText(text)) out.assign(text);
      break;
    case Kind::kInteger: {
      if (!std::isfinite(ReadFloating(text))) break;
      char buffer[16];
      const auto value = static_cast<std::int32_t>(ReadInteger(text));
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
      out.assign(buffer, result.ptr);
      break;
    }
    case Kind::kText:
      AppendPadded(precision_ < 0 ? text : text.substr(0, static_cast<std::size_t>(precision_)),
                   out);
      break;
    case Kind::kNumber:
      AppendFormattedNumber(ReadFloating(text), out);
      break;
    case Kind::kDateTime:
      AppendDateTime(ReadFloating(text), out);
      break;
    case Kind::kEmpty:
      break;
  }
  return out;
}

}  // namespace pelcon
