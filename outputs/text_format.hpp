#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelcon::outputs {

enum class TextEncoding { kUtf8, kWindows1252 };
// kIso: 2009-03-15T14:30:00; kUs: 03/15/09 14:30:00, as the classic CSV files have it.
enum class TimeStyle { kIso, kUs };

// How times and numbers are written as text, and how a CSV file is laid out: the same options
// for every job that writes text.
struct TextFormat {
  TextEncoding encoding = TextEncoding::kUtf8;
  TimeStyle time = TimeStyle::kIso;
  // The logger clock's offset from UTC in minutes, when declared.
  std::optional<int> utcOffsetMinutes;
  bool toUtc = false;  // ISO times in UTC (needs the offset)
  bool decimalComma = false;
  // The separator; empty takes the template's (";" with a decimal comma).
  std::string separator;
  std::string emptyField;  // the text of an empty cell
  bool headerReport = true;
  bool byteOrderMark = false;
};

// "+HH:MM" or "-HH:MM" (also "Z") as minutes east of UTC; nothing for other text.
std::optional<int> ParseUtcOffset(std::string_view text);

// The time of a Julian day number as ISO 8601 in the logger's clock, "2009-03-15T14:30:00"
// (with ".250" when the time has milliseconds). With an offset the text carries it
// ("+01:00"); toUtc moves the time to UTC and ends it with "Z".
std::string IsoTimeText(double julian, const TextFormat& format);

// A number with a fixed count of decimals (the shortest exact text for a negative count), a
// comma as decimal mark when asked; no locale.
std::string DecimalText(double value, int decimals, bool decimalComma);

// The shortest text that reads back as the same number ("60", "0.5"); no locale.
std::string NumberText(double value);

}  // namespace pelcon::outputs
