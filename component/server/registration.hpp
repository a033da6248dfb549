#pragma once

#include <string>

namespace pelcon {

// Writes the class's registration keys, with libraryPath as its in-process server, and registers
// the type library; false when the registry could not be written.
bool RegisterComponent(const std::string& libraryPath);

// Removes what RegisterComponent wrote. The CLSID key itself stays.
bool UnregisterComponent();

}  // namespace pelcon
