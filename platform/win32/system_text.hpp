#pragma once

#include <windows.h>

#include <string>

namespace pelcon::platform {

// The system's description of an error or result code, without its closing full stop and line
// break ("Access is denied"); the number in hexadecimal when the system has no text for it.
std::string SystemErrorText(DWORD code);

// The full path of a loaded module (null: the running program); empty when it cannot be told.
std::string ModuleFileName(HMODULE module);

}  // namespace pelcon::platform
