#include "datalib/text_helpers.hpp"

#include <cstring>

namespace pelcon {
namespace {

char Fold(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

template <typename T, typename Equal>
int FindFrom(const std::vector<T>& array, int start, Equal&& equal) {
  if (start < 0) start = 0;
  for (std::size_t i = static_cast<std::size_t>(start); i < array.size(); ++i) {
    if (equal(array[i])) return static_cast<int>(i);
  }
  return -1;
}

template <typename T>
int FindEqual(const T& value, const std::vector<T>& array, int start) {
  return FindFrom(array, start, [&value](const T& element) { return element == value; });
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

std::string StripAffixes(std::string_view text, std::string_view prefix, std::string_view suffix) {
  if (!prefix.empty() && text.starts_with(prefix)) text.remove_prefix(prefix.size());
  if (text.ends_with(suffix)) text.remove_suffix(suffix.size());
  return std::string(text);
}

int CopyToBuffer(std::string_view text, char* buffer, int size) {
  if (size <= 0 || buffer == nullptr) return 0;
  const std::size_t capacity = static_cast<std::size_t>(size);
  const std::size_t count = text.size() < capacity ? text.size() : capacity - 1;
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

int FindText(std::string_view text, const std::vector<std::string>& array, int caseSensitive,
             int start) {
  if (caseSensitive != 0) {
    return FindFrom(array, start, [text](const std::string& element) { return element == text; });
  }
  return FindFrom(array, start,
                  [text](const std::string& element) { return EqualsNoCase(element, text); });
}

int FindDouble(double value, const std::vector<double>& array, int start) {
  return FindEqual(value, array, start);
}
int FindFloat(float value, const std::vector<float>& array, int start) {
  return FindEqual(value, array, start);
}
int FindInt(std::int32_t value, const std::vector<std::int32_t>& array, int start) {
  return FindEqual(value, array, start);
}
int FindShort(std::int16_t value, const std::vector<std::int16_t>& array, int start) {
  return FindEqual(value, array, start);
}
int FindByte(std::uint8_t value, const std::vector<std::uint8_t>& array, int start) {
  return FindEqual(value, array, start);
}
int FindDateTime(const DateTimeValue& value, const std::vector<DateTimeValue>& array, int start) {
  return FindEqual(value, array, start);
}
int FindCurrency(const CurrencyValue& value, const std::vector<CurrencyValue>& array, int start) {
  return FindEqual(value, array, start);
}

}  // namespace pelcon
