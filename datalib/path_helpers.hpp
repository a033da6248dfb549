#pragma once

#include <string>
#include <string_view>

// Path splitting of the data library. The separator is the platform's
// (platform::kPathSeparator: "/" on Linux, "\" on Windows, where "/" is accepted too).

namespace pelcon {

// Everything up to and including the last separator, or the empty text if there is none.
std::string PathDirectory(std::string_view path);
// Everything from the last dot to the end, dot included, or the empty text if there is no dot.
// Meant for names: a dot in a directory counts too, so callers apply it to names only.
std::string PathExtension(std::string_view path);
// The name without directory and extension ("well1" for .../site.a/well1.bin).
std::string PathTitle(std::string_view path);

}  // namespace pelcon
