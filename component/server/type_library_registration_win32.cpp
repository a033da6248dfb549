#include "component/ipelcon.hpp"
#include "component/server/type_library_registration.hpp"
#include "platform/wide_text.hpp"

namespace pelcon {

bool RegisterTypeLibrary(const std::string& libraryPath) {
  std::wstring path = platform::NarrowToWide(libraryPath);
  ITypeLib* library = nullptr;
  if (FAILED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library))) return false;
  std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
  const HRESULT result = ::RegisterTypeLib(library, path.data(), folder.data());
  library->Release();
  return SUCCEEDED(result);
}

bool UnregisterTypeLibrary() {
#ifdef _WIN64
  constexpr SYSKIND kSystem = SYS_WIN64;
#else
  constexpr SYSKIND kSystem = SYS_WIN32;
#endif
  const HRESULT result = ::UnRegisterTypeLib(kLibidTarvelPelconLib, 1, 0, LANG_NEUTRAL, kSystem);
  return SUCCEEDED(result) || result == TYPE_E_LIBNOTREGISTERED;
}

}  // namespace pelcon
