#include "datalib/windows_1252.hpp"

#include <array>

namespace pelcon {
namespace {

// 0x80 to 0x9F; everything else is Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Windows1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

int UnicodeToWindows1252(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<int>(character);
  }
  for (int byte = 0x80; byte <= 0x9F; ++byte) {
    if (kHighControls[byte - 0x80] == character) return byte;
  }
  return -1;
}

namespace {

// The length of the well-formed UTF-8 sequence at the start of text and its character, or 0.
std::size_t DecodeUtf8(std::string_view text, char32_t& character) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1F, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0F, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07, smallest = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    character = character << 6 | (byte(i) & 0x3F);
  }
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  return character < smallest || character > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    if (static_cast<unsigned char>(text[0]) < 0x80) {
      out.push_back(text[0]);
      text.remove_prefix(1);
      continue;
    }
    char32_t character = 0;
    const std::size_t length = DecodeUtf8(text, character);
    const int byte = length > 0 ? UnicodeToWindows1252(character) : -1;
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    text.remove_prefix(length > 0 ? length : 1);
  }
  return out;
}

}  // namespace pelcon
