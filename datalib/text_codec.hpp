#pragma once

#include <string>
#include <string_view>

namespace pelcon {

// Template contents and display names are Windows-1252 bytes (the micro sign is 0xB5); a window
// shows them as Unicode. The five bytes the code page leaves undefined map to the control
// characters of the same number, as Windows maps them.
char32_t Windows1252ToUnicode(unsigned char byte);

// The byte for a character, or -1 when the code page has none.
int UnicodeToWindows1252(char32_t character);

// UTF-8 text (a Linux file name) in Windows-1252: a character the code page lacks, and every byte
// that is not part of a well-formed UTF-8 sequence, becomes "?".
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace pelcon
