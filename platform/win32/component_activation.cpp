#include "platform/component_activation.hpp"

#include <windows.h>

#include "platform/win32/system_text.hpp"

namespace pelcon::platform {
namespace {

using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID clsid, REFIID iid, void** object);
using PlainEntryPoint = HRESULT(STDAPICALLTYPE*)();

// Without a registration the library beside the program serves the class, as on other
// platforms, so an unregistered copy still works.
HRESULT CreateFromLibrary(const std::string& library, const CLSID& clsid, REFIID iid, void** object,
                          std::string& error) {
  auto getClassObject = reinterpret_cast<GetClassObjectFunction>(
      LibraryFunction(library, "DllGetClassObject", error));
  if (getClassObject == nullptr) return REGDB_E_CLASSNOTREG;
  IClassFactory* factory = nullptr;
  HRESULT result = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(result)) {
    error = "the library does not provide the class";
    return result;
  }
  result = factory->CreateInstance(nullptr, iid, object);
  factory->Release();
  if (FAILED(result)) error = "the class factory refused to create the object";
  return result;
}

}  // namespace

std::string ExecutableDirectory() {
  const std::string program = ModuleFileName(nullptr);
  const auto separator = program.find_last_of("\\/");
  return separator == std::string::npos ? "." : program.substr(0, separator);
}

HRESULT CreateInProcessInstance(const char* /*clsidText*/, const CLSID& clsid, REFIID iid,
                                const std::string& defaultLibraryName, void** object,
                                std::string& error) {
  *object = nullptr;
  const HRESULT result = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
  if (result != REGDB_E_CLASSNOTREG) {
    if (FAILED(result)) error = SystemErrorText(static_cast<DWORD>(result));
    return result;
  }
  return CreateFromLibrary(ExecutableDirectory() + "\\" + defaultLibraryName, clsid, iid, object,
                           error);
}

HRESULT CallLibraryFunction(const std::string& library, const char* name, std::string& error) {
  auto function = reinterpret_cast<PlainEntryPoint>(
      LibraryFunction(library, name, error));
  if (function == nullptr) return E_FAIL;
  return function();
}

void* LibraryFunction(const std::string& library, const char* name, std::string& error) {
  HMODULE module = ::LoadLibraryA(library.c_str());
  if (module == nullptr) {
    error = library + ": " + SystemErrorText(::GetLastError());
    return nullptr;
  }
  FARPROC function = ::GetProcAddress(module, name);
  if (function == nullptr) error = library + " has no " + name;
  return reinterpret_cast<void*>(function);
}

}  // namespace pelcon::platform
