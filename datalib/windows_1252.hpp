#pragma once

namespace pelcon::ui {

// Template contents and display names are Windows-1252 bytes (the micro sign is 0xB5); a window
// shows them as Unicode. The five bytes the code page leaves undefined map to the control
// characters of the same number, as Windows maps them.
char32_t Windows1252ToUnicode(unsigned char byte);

// The byte for a character, or -1 when the code page has none.
int UnicodeToWindows1252(char32_t character);

}  // namespace pelcon::ui
