#include "platform/wide_text.hpp"

#include <windows.h>

#include <climits>
#include <cwchar>

namespace pelcon::platform {

// The ANSI code page both ways; a character it cannot hold becomes its best fit or '?', as
// everywhere else on the system.
std::string WideToNarrow(const wchar_t* text) {
  std::string narrow;
  if (text == nullptr || *text == 0) return narrow;
  const std::size_t length = std::wcslen(text);
  if (length > INT_MAX) return narrow;
  const int wideLength = static_cast<int>(length);
  const int bytes =
      ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return narrow;
  narrow.resize(static_cast<std::size_t>(bytes));
  ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, narrow.data(), bytes, nullptr, nullptr);
  return narrow;
}

std::wstring NarrowToWide(std::string_view text) {
  std::wstring wide;
  if (text.empty() || text.size() > INT_MAX) return wide;
  const int narrowLength = static_cast<int>(text.size());
  const int characters = ::MultiByteToWideChar(CP_ACP, 0, text.data(), narrowLength, nullptr, 0);
  if (characters <= 0) return wide;
  wide.resize(static_cast<std::size_t>(characters));
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), narrowLength, wide.data(), characters);
  return wide;
}

}  // namespace pelcon::platform
