#pragma once

#include <string>

namespace pelcon::platform {

// Moves a file, never replacing an existing destination. On failure returns false with the
// platform's error code in error (see FileErrorText).
bool MoveFileWithoutReplacing(const std::string& from, const std::string& to, int& error);

}  // namespace pelcon::platform
