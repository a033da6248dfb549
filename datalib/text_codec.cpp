#include "datalib/text_codec.hpp"

#include <algorithm>
#include <array>

namespace pelcon {
namespace {

// 0x80 to 0x9F; everything else is Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

Utf8Sequence DecodeUtf8(std::string_view text) {
  if (text.empty()) return {};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  // 0x80..0xC1 continue a sequence or would start an overlong one; 0xF5.. would exceed U+10FFFF.
  std::size_t length = 0;
  char32_t character = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1F, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0F, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07, smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    character = character << 6 | (byte(i) & 0x3F);
  }
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  if (character < smallest || character > 0x10FFFF || surrogate) return {};
  return {character, length};
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = DecodeUtf8(text).length;
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t character) {
  if (character < 0x80) {
    out.push_back(static_cast<char>(character));
    return;
  }
  const int continuations = character < 0x800 ? 1 : character < 0x10000 ? 2 : 3;
  constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
  out.push_back(static_cast<char>(kLeads[continuations] | character >> (6 * continuations)));
  for (int k = continuations - 1; k >= 0; --k) {
    out.push_back(static_cast<char>(0x80 | ((character >> (6 * k)) & 0x3F)));
  }
}

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

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes) {
  // Every line of a UTF-8 CSV file comes through here, nearly all of it ASCII: the same bytes in
  // both, appended a run at a time.
  const auto isAscii = [](char byte) { return static_cast<unsigned char>(byte) < 0x80; };
  for (auto next = bytes.begin(); next != bytes.end();) {
    const auto run = std::find_if_not(next, bytes.end(), isAscii);
    out.append(next, run);
    if (run == bytes.end()) break;
    AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(*run)));
    next = run + 1;
  }
}

std::string Windows1252AsUtf8(std::string_view bytes) {
  std::string text;
  AppendWindows1252AsUtf8(text, bytes);
  return text;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view text, CodecMode mode) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Utf8Sequence sequence = DecodeUtf8(text);
    const int byte = sequence.length > 0 ? UnicodeToWindows1252(sequence.character) : -1;
    if (byte < 0 && mode == CodecMode::kStrict) return std::nullopt;
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    text.remove_prefix(sequence.length > 0 ? sequence.length : 1);
  }
  return out;
}

}  // namespace pelcon
