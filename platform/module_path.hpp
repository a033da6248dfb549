#pragma once

#include <string>

namespace pelcon::platform {

// The full path of the loaded library (or program) that holds the given code address; empty
// when the platform cannot tell.
std::string ModulePathOf(const void* address);

}  // namespace pelcon::platform
