#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelcon {

// Template contents and display names are Windows-1252 bytes (the micro sign is 0xB5); command
// lines, file names on Linux and every new output are UTF-8. All conversions between the two go
// through here.

// What a conversion does with text it cannot convert: strict fails, lossy replaces it.
enum class CodecMode { kStrict, kLossy };

// A well-formed UTF-8 sequence (RFC 3629: shortest form, no surrogates, at most U+10FFFF) and the
// character it encodes; length 0 when text does not start with one.
struct Utf8Sequence {
  char32_t character = 0;
  std::size_t length = 0;
};
Utf8Sequence DecodeUtf8(std::string_view text);
// Whether all of text is well-formed UTF-8.
bool IsUtf8(std::string_view text);
// Appends the UTF-8 sequence of a character; surrogates and characters above U+10FFFF are not
// characters, and their bytes are not well-formed.
void AppendUtf8(std::string& out, char32_t character);

// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same number, as Windows maps them, so every byte has a character.
char32_t Windows1252ToUnicode(unsigned char byte);
// The byte for a character, or -1 when the code page has none.
int UnicodeToWindows1252(char32_t character);

// Windows-1252 bytes as UTF-8; every byte converts.
void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);
std::string Windows1252AsUtf8(std::string_view bytes);

// The Windows-1252 bytes of UTF-8 text. Strict: nothing when the text is not well-formed UTF-8 or
// has a character the code page lacks. Lossy: such a character becomes one "?", and so does each
// byte that is not part of a well-formed sequence; never nothing.
std::optional<std::string> Utf8ToWindows1252(std::string_view text, CodecMode mode);

}  // namespace pelcon
