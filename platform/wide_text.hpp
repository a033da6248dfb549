#pragma once

#include <string>
#include <string_view>

namespace pelcon::platform {

// Strings cross the component interface as wide text; inside, all text is 8-bit in the locale's
// multibyte encoding (the ANSI code page on Windows). An absent string converts to empty.
std::string WideToNarrow(const wchar_t* text);
std::wstring NarrowToWide(std::string_view text);

}  // namespace pelcon::platform
