#include "platform/component_activation.hpp"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include "platform/registry.hpp"

namespace pelcon::platform {
namespace {

using GetClassObjectFunction = HRESULT (*)(REFCLSID clsid, REFIID iid, void** object);
using PlainEntryPoint = HRESULT (*)();

}  // namespace

void* LibraryFunction(const std::string& library, const char* name, std::string& error) {
  void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    error = ::dlerror();
    return nullptr;
  }
  void* function = ::dlsym(handle, name);
  if (function == nullptr) error = library + " has no " + name;
  return function;
}

std::string ExecutableDirectory() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  const std::string program(path, static_cast<std::size_t>(length));
  const auto slash = program.find_last_of('/');
  return slash == std::string::npos ? "." : program.substr(0, slash);
}

HRESULT CreateInProcessInstance(const char* clsidText, const CLSID& clsid, REFIID iid,
                                const std::string& defaultLibraryName, void** object,
                                std::string& error) {
  *object = nullptr;
  const std::string serverKey =
      std::string("HKEY_CLASSES_ROOT\\CLSID\\") + clsidText + "\\InprocServer32";
  std::string library = ReadRegistryString(serverKey, "").value_or("");
  if (library.empty()) library = ExecutableDirectory() + "/" + defaultLibraryName;

  auto getClassObject =
      reinterpret_cast<GetClassObjectFunction>(LibraryFunction(library, "DllGetClassObject", error));
  if (getClassObject == nullptr) return REGDB_E_CLASSNOTREG;
  IClassFactory* factory = nullptr;
  HRESULT result = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (result < 0) {
    error = "the library does not provide the class";
    return result;
  }
  result = factory->CreateInstance(nullptr, iid, object);
  factory->Release();
  if (result < 0) error = "the class factory refused to create the object";
  return result;
}

HRESULT CallLibraryFunction(const std::string& library, const char* name, std::string& error) {
  auto function = reinterpret_cast<PlainEntryPoint>(LibraryFunction(library, name, error));
  if (function == nullptr) return E_FAIL;
  return function();
}

}  // namespace pelcon::platform
