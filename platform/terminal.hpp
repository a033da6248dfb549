#pragma once

namespace pelcon::platform {

// Whether the standard error stream is a terminal (a console window on Windows), where a
// self-updating progress line makes sense.
bool IsErrorStreamTerminal();

}  // namespace pelcon::platform
