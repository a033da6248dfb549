#pragma once

#include <string>
#include <string_view>

namespace pelcon {

// A format text is invalid (the value has no format) when it is empty, " ", "-1" or "$_ERR",
// letter case ignored. The same test decides which attribute cells a stage value inherits.
bool IsInvalidFormat(std::string_view format);

// How a value prints: the format text of its attribute row, parsed once, with its digits.
class ValueFormat {
 public:
  ValueFormat() = default;  // no format: values pass unchanged
  ValueFormat(std::string_view format, int digits);

  // The cell text of a value stored as text:
  // - no format: the text unchanged;
  // - "%d": the text read as an integer, printed in decimal;
  // - a format with "s": the text printed with it;
  // - a format with "f": the text read as a double, printed with the format, or with `digits`
  //   significant digits when digits > 0;
  // - "DATETIME": the text read as a Julian date, printed "%m/%d/%y %H:%M:%S";
  // - anything else: empty.
  // A value that is not a finite number (NaN, infinity) or a date-time outside the years 1 to
  // 9999 gives the empty text: it is no reading.
  std::string Format(std::string_view text) const;

 private:
  enum class Kind { kNone, kInteger, kText, kNumber, kDateTime, kEmpty };

  Kind kind_ = Kind::kNone;
  int digits_ = 0;
  // A single %s or %f conversion with optional width and precision, and the literal text around
  // it. Nothing else is printed, so a format text can never make printf read a wrong argument.
  std::string prefix_;
  std::string suffix_;
  int width_ = 0;
  int precision_ = -1;

  bool ParseConversion(std::string_view format, char conversion);
  std::string Pad(std::string_view body) const;
  std::string FormatNumber(double value) const;
};

}  // namespace pelcon
