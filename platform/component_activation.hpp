#pragma once

#include <string>

#include "platform/com_types.hpp"

namespace pelcon::platform {

// Creates an object of an in-process component class. The library is found through its
// registration (InprocServer32 of the class) or, when the class is not registered, as
// defaultLibraryName beside the running program. The library stays loaded for the process.
// On failure returns the failure code and describes the cause in error.
HRESULT CreateInProcessInstance(const char* clsidText, const CLSID& clsid, REFIID iid,
                                const std::string& defaultLibraryName, void** object,
                                std::string& error);

// Loads the library and calls its exported function of that name, which takes no argument
// and returns a result (the registration entry points). The library stays loaded.
HRESULT CallLibraryFunction(const std::string& library, const char* name, std::string& error);

// Loads the library and finds its exported function of that name; the library stays loaded.
// Nothing, with the cause in error, when either cannot be found.
void* LibraryFunction(const std::string& library, const char* name, std::string& error);

// The directory of the running program, without a trailing separator.
std::string ExecutableDirectory();

}  // namespace pelcon::platform
