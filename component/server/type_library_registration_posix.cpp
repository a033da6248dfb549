// Without a type library format of the platform, the registration keys of the library are
// written as they would stand on Windows, so clients that look for them find them.

#include "component/ipelcon.hpp"
#include "component/server/type_library_registration.hpp"
#include "platform/registry.hpp"

namespace pelcon {
namespace {

const std::string kTypeLibKey =
    std::string("HKEY_CLASSES_ROOT\\TypeLib\\") + kLibidTarvelPelconLibText;

}  // namespace

bool RegisterTypeLibrary(const std::string& libraryPath) {
  const std::string version = kTypeLibKey + "\\1.0";
  const auto slash = libraryPath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : libraryPath.substr(0, slash);
  return platform::WriteRegistryString(version, "", "TarvelPelcon 1.0 Type Library") &&
         platform::WriteRegistryString(version + "\\0\\linux", "", libraryPath) &&
         platform::WriteRegistryString(version + "\\FLAGS", "", "0") &&
         platform::WriteRegistryString(version + "\\HELPDIR", "", folder);
}

bool UnregisterTypeLibrary() {
  return platform::DeleteRegistryKey(kTypeLibKey);
}

}  // namespace pelcon
