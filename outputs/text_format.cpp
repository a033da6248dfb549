#include "outputs/text_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "datalib/calendar.hpp"
#include "datalib/utc_offset_text.hpp"

namespace pelcon::outputs {
std::optional<int> ParseUtcOffset(std::string_view text) {
  if (text == "Z") return 0;
  if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return std::nullopt;
  int hours = 0;
  int minutes = 0;
  const auto digits = [](std::string_view two, int& value) {
    if (two[0] < '0' || two[0] > '9' || two[1] < '0' || two[1] > '9') return false;
    value = (two[0] - '0') * 10 + (two[1] - '0');
    return true;
  };
  if (!digits(text.substr(1, 2), hours) || !digits(text.substr(4, 2), minutes)) return std::nullopt;
  if (hours > 14 || minutes > 59) return std::nullopt;
  const int total = hours * 60 + minutes;
  return text[0] == '-' ? -total : total;
}

std::string IsoTimeText(double julian, const TextFormat& format) {
  const bool utc = format.toUtc && format.utcOffsetMinutes.has_value();
  if (utc) julian -= *format.utcOffsetMinutes / 1440.0;
  DateTimeRecord t;
  JulianToDateTime(julian, t);
  char text[48];
  int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month,
                             t.day, t.hour, t.minute, t.second);
  if (t.millisecond != 0) {
    length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), ".%03d",
                            t.millisecond);
  }
  std::string result(text, static_cast<std::size_t>(length));
  if (utc) {
    result.push_back('Z');
  } else if (format.utcOffsetMinutes) {
    result += UtcOffsetText(*format.utcOffsetMinutes);
  }
  return result;
}

std::string DecimalText(double value, int decimals, bool decimalComma) {
  char text[400];
  const auto [end, error] = decimals < 0 ? std::to_chars(text, text + sizeof text, value)
                                         : std::to_chars(text, text + sizeof text, value,
                                                         std::chars_format::fixed, decimals);
  if (error != std::errc()) return {};
  std::string result(text, end);
  if (decimalComma) {
    if (const auto point = result.find('.'); point != std::string::npos) result[point] = ',';
  }
  return result;
}

std::string NumberText(double value) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace pelcon::outputs
