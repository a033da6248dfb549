#include "outputs/text_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "datalib/calendar.hpp"
#include "datalib/text_codec.hpp"
#include "datalib/utc_offset_text.hpp"

namespace pelcon::outputs {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The next character of UTF-8 text, or nothing for a malformed sequence.
std::optional<char32_t> NextUtf8(std::string_view& text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  int length = lead < 0x80         ? 1
               : (lead >> 5) == 6  ? 2
               : (lead >> 4) == 14 ? 3
               : (lead >> 3) == 30 ? 4
                                   : 0;
  if (length == 0 || text.size() < static_cast<std::size_t>(length)) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  text.remove_prefix(static_cast<std::size_t>(length));
  return c;
}

}  // namespace

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

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes) {
  for (char byte : bytes) {
    AppendUtf8(out, pelcon::Windows1252ToUnicode(static_cast<unsigned char>(byte)));
  }
}

std::string Windows1252AsUtf8(std::string_view bytes) {
  std::string text;
  AppendWindows1252AsUtf8(text, bytes);
  return text;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view text) {
  std::string bytes;
  while (!text.empty()) {
    const std::optional<char32_t> c = NextUtf8(text);
    if (!c) return std::nullopt;
    const int byte = pelcon::UnicodeToWindows1252(*c);
    if (byte < 0) return std::nullopt;
    bytes.push_back(static_cast<char>(byte));
  }
  return bytes;
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
