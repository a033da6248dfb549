#include "platform/wide_text.hpp"

#include <climits>
#include <cwchar>

namespace pelcon::platform {
namespace {

// A byte that does not decode in the locale's encoding travels as a code point of the low
// surrogate range, which no decoded text holds, and turns back into the same byte: a file name
// that is not valid text still names its file after the trip through wide text.
constexpr wchar_t kEscapedByteBase = 0xDC00;

bool IsEscapedByte(wchar_t c) {
  return c >= kEscapedByteBase && c <= kEscapedByteBase + 0xFF;
}

}  // namespace

// Characters the locale cannot encode keep their low byte when they fit one (Latin-1), so a
// path never silently loses a character; anything wider becomes '?'.
std::string WideToNarrow(const wchar_t* text) {
  std::string narrow;
  if (text == nullptr) return narrow;
  std::mbstate_t state{};
  char bytes[MB_LEN_MAX];
  for (const wchar_t* c = text; *c != 0; ++c) {
    if (IsEscapedByte(*c)) {
      narrow.push_back(static_cast<char>(*c - kEscapedByteBase));
      state = {};
      continue;
    }
    const std::size_t length = std::wcrtomb(bytes, *c, &state);
    if (length == static_cast<std::size_t>(-1)) {
      narrow.push_back(*c < 0x100 ? static_cast<char>(*c) : '?');
      state = {};
    } else {
      narrow.append(bytes, length);
    }
  }
  return narrow;
}

std::wstring NarrowToWide(std::string_view text) {
  std::wstring wide;
  std::mbstate_t state{};
  std::size_t position = 0;
  while (position < text.size()) {
    wchar_t c = 0;
    const std::size_t length =
        std::mbrtowc(&c, text.data() + position, text.size() - position, &state);
    if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) {
      wide.push_back(
          static_cast<wchar_t>(kEscapedByteBase + static_cast<unsigned char>(text[position])));
      state = {};
      ++position;
    } else {
      wide.push_back(c);
      position += length == 0 ? 1 : length;
    }
  }
  return wide;
}

}  // namespace pelcon::platform
