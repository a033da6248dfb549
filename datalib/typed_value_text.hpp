#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "datalib/composite_values.hpp"
#include "datalib/currency_value.hpp"
#include "datalib/date_time_value.hpp"
#include "datalib/type_codes.hpp"

// The text form of every typed value. The C++ type behind each code's
// pointer is listed in type_codes.hpp.

namespace pelcon {

// The value's text form. Array elements are each followed by the separator ("1;2;3;"), the
// parts of a composite are joined by ",". A code outside 1..36 gives the empty text.
std::string ValueToText(int code, const void* value, std::string_view separator);

// Fills *value from the text. Returns 1 for the scalar and composite types, except codes 11 to
// 14 whose result is the parser's verdict (1 or 0); for an array type the number of elements
// appended to the caller's array (which is not emptied first), so 0 for an empty text. A code
// outside 1..36 returns 0 and leaves the value untouched.
int TextToValue(int code, std::string_view text, std::string_view separator, void* value);

// The single rules, for callers that know their type.

// BOOL: "0" for 0, "2147483647" for 2147483647, "1" for any other value.
std::string FormatBool(std::int32_t value);
// Empty text 0; TRUE, T, 1, YES, Y, PASS, P, SUCCESS (any letter case) 1; "2147483647" itself;
// anything else 0.
std::int32_t ReadBool(std::string_view text);

inline constexpr std::int32_t kBoolThirdState = 2147483647;

// Codes 11 and 12: parse as a date-time, then keep only the date (time 00:00:00) or only the
// time (date 30 December 1899). False if parsing fails or the rebuilt value is not valid.
bool ReadDateOnly(std::string_view text, DateTimeValue& value);
bool ReadTimeOnly(std::string_view text, DateTimeValue& value);

// Composites: the last three (RGB), four (CRect) or two (CPoint) comma-separated parts; fewer
// parts give zeros.
std::string FormatRgb(RgbColor value);
RgbColor ReadRgb(std::string_view text);
std::string FormatRect(const Rect& value);
Rect ReadRect(std::string_view text);
std::string FormatPoint(const Point& value);
Point ReadPoint(std::string_view text);

}  // namespace pelcon
