#pragma once

namespace pelcon::platform {

// How the platform's file names are encoded: UTF-8 on Linux, the ANSI code page (usually
// Windows-1252, the files' own) on Windows.
#ifdef _WIN32
inline constexpr bool kPathsAreUtf8 = false;
#else
inline constexpr bool kPathsAreUtf8 = true;
#endif

}  // namespace pelcon::platform
