#include "component/server/registration.hpp"

#include "component/ipelcon.hpp"
#include "component/server/type_library_registration.hpp"
#include "platform/registry.hpp"

namespace pelcon {
namespace {

const std::string kClassesRoot = "HKEY_CLASSES_ROOT\\";
const std::string kClassKey = kClassesRoot + "CLSID\\" + kClsidCoPelconText;

struct Entry {
  std::string key;
  std::string name;  // empty: the key's default value
  std::string value;
};

bool WriteAll(const std::initializer_list<Entry>& entries) {
  for (const Entry& entry : entries) {
    if (!platform::WriteRegistryString(entry.key, entry.name, entry.value)) return false;
  }
  return true;
}

}  // namespace

bool RegisterComponent(const std::string& libraryPath) {
  // The CLSID key outlives every class registered below it.
  if (!platform::CreateRegistryKey(kClassesRoot + "CLSID")) return false;
  const std::string progId = kClassesRoot + kProgId;
  const std::string independentProgId = kClassesRoot + kVersionIndependentProgId;
  const bool written = WriteAll({
      {progId, "", kClassDescription},
      {progId + "\\CLSID", "", kClsidCoPelconText},
      {independentProgId, "", kClassDescription},
      {independentProgId + "\\CLSID", "", kClsidCoPelconText},
      {independentProgId + "\\CurVer", "", kProgId},
      {kClassKey, "", kClassDescription},
      {kClassKey + "\\ProgID", "", kProgId},
      {kClassKey + "\\VersionIndependentProgID", "", kVersionIndependentProgId},
      {kClassKey + "\\InprocServer32", "", libraryPath},
      {kClassKey + "\\InprocServer32", "ThreadingModel", "Both"},
      {kClassKey + "\\TypeLib", "", kLibidTarvelPelconLibText},
  });
  return written && RegisterTypeLibrary(libraryPath);
}

bool UnregisterComponent() {
  bool removed = platform::DeleteRegistryKey(kClassesRoot + kProgId);
  removed = platform::DeleteRegistryKey(kClassesRoot + kVersionIndependentProgId) && removed;
  removed = platform::DeleteRegistryKey(kClassKey) && removed;
  removed = UnregisterTypeLibrary() && removed;
  return removed;
}

}  // namespace pelcon
