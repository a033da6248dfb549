#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "datalib/currency_value.hpp"
#include "datalib/date_time_value.hpp"

// Text and search helpers of the data library.

namespace pelcon {

// ASCII letter case folding; other bytes (Windows-1252 letters included) compare as they are.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Removes the prefix if it is not empty and begins the text (letter case significant), then
// the suffix if the text ends with it; each at most once.
std::string StripAffixes(std::string_view text, std::string_view prefix, std::string_view suffix);

// Copies the text and a terminating zero into buffer[size]; a text that does not fit is cut to
// size - 1 characters. Returns the number of characters copied (0 and nothing written for a
// size of 0 or less).
int CopyToBuffer(std::string_view text, char* buffer, int size);

// The first index from start on whose element equals the text (letter case ignored when
// caseSensitive is 0), or -1; also -1 when start is past the end. A negative start counts as 0.
int FindText(std::string_view text, const std::vector<std::string>& array, int caseSensitive,
             int start);

// Exact equality from start on, first index or -1. Date-time and currency values match only
// with equal status too.
int FindDouble(double value, const std::vector<double>& array, int start);
int FindFloat(float value, const std::vector<float>& array, int start);
int FindInt(std::int32_t value, const std::vector<std::int32_t>& array, int start);
int FindShort(std::int16_t value, const std::vector<std::int16_t>& array, int start);
int FindByte(std::uint8_t value, const std::vector<std::uint8_t>& array, int start);
int FindDateTime(const DateTimeValue& value, const std::vector<DateTimeValue>& array, int start);
int FindCurrency(const CurrencyValue& value, const std::vector<CurrencyValue>& array, int start);

}  // namespace pelcon
