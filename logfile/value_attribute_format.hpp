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
  // Appends what Format gives for the text a double is stored as ("%.15g"); value must already
  // be at that precision (read back from such a text, or rounded to it).
  void AppendNumber(double value, std::string& out) const;

  bool IsDateTime() const { return kind_ == Kind::kDateTime; }
  // Whether every text it prints is made of kPlainNumberCharacters only: a number or a date-time
  // with no literal text around it.
  bool PrintsPlainNumbers() const;
  static constexpr std::string_view kPlainNumberCharacters = "0123456789-. /:";
  // Digits after the point of a number printed with a fixed format; -1 for any other format.
  int FixedDecimals() const;
  // More than 0 when a number is printed with that many significant digits.
  int SignificantDigits() const { return kind_ == Kind::kNumber ? digits_ : 0; }
  // Appends a Julian date as the logger files' date-time values print it, "03/15/09 14:30:00";
  // nothing outside the years 1 to 9999.
  static void AppendDateTime(double julian, std::string& out);

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
  void AppendPadded(std::string_view body, std::string& out) const;
  void AppendFormattedNumber(double value, std::string& out) const;
  void AppendFixed(double value, std::string& out) const;
};

}  // namespace pelcon
