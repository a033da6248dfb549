#pragma once

#include <string>

namespace pelcon {

// Registers the type library embedded in the component library file at libraryPath: its TypeLib
// keys and those of the interfaces it describes. False when it cannot be loaded or registered.
bool RegisterTypeLibrary(const std::string& libraryPath);

// Removes that registration; true also when there was none.
bool UnregisterTypeLibrary();

}  // namespace pelcon
