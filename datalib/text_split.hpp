#pragma once

#include <string_view>
#include <vector>

// Splitting of typed-value texts: from position 0, while the position
// is before the end, find the separator; the part runs to it (or to the end of the text) and
// reading resumes one character after it. So a trailing separator adds no empty part, an empty
// text gives no parts, and two adjacent separators give an empty part.

namespace pelcon {

// Calls visit(part) for every part, in order. An empty separator gives the whole text as one
// part (an empty text still gives none).
template <typename Visit>
void ForEachPart(std::string_view text, std::string_view separator, Visit&& visit) {
  if (separator.empty()) {
    if (!text.empty()) visit(text);
    return;
  }
  std::size_t position = 0;
  while (position < text.size()) {
    std::size_t end = text.find(separator, position);
    if (end == std::string_view::npos) end = text.size();
    visit(text.substr(position, end - position));
    position = end + separator.size();
  }
}

inline std::vector<std::string_view> SplitParts(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  ForEachPart(text, separator, [&parts](std::string_view part) { parts.push_back(part); });
  return parts;
}

inline std::size_t CountParts(std::string_view text, std::string_view separator) {
  std::size_t count = 0;
  ForEachPart(text, separator, [&count](std::string_view) { ++count; });
  return count;
}

}  // namespace pelcon
