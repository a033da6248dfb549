#pragma once

#include <string>
#include <string_view>

namespace pelcon {

// The platform's separator; on Windows "/" is accepted as well.
bool IsPathSeparator(char c);

// The text after the last "." anywhere in the path (so a dot in a folder name counts), or empty.
std::string ExtensionOf(std::string_view path);

// The text after the last separator, or the whole path; empty when the path has no extension.
std::string FileNameOf(std::string_view path);

// The text up to and including the last separator, or the whole path when there is none.
std::string DirectoryOf(std::string_view path);

}  // namespace pelcon
