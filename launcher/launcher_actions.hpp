#pragma once

#include <optional>
#include <string>

#include "component/ipelcon.hpp"
#include "launcher/command_line.hpp"
#include "launcher/launcher_output.hpp"

namespace pelcon::launcher {

// What both launchers do with a request, so that the same request gives the same exit code and
// the same messages on both platforms. Each returns the exit code.

// What needs no component: the usage text, the version, and --register/--unregister, which call
// the library's registration entry point (the library beside the program, defaultLibrary, unless
// the request names another). Nothing for other requests.
std::optional<int> AnswerWithoutComponent(const LauncherRequest& request,
                                          const std::string& defaultLibrary,
                                          LauncherOutput& output);

// A conversion, a template to edit, the batch dialog, or nothing to do.
int RunComponentRequest(IPelcon& component, const LauncherRequest& request, LauncherOutput& output);

}  // namespace pelcon::launcher
