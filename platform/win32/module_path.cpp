#include "platform/module_path.hpp"

#include "platform/win32/system_text.hpp"

namespace pelcon::platform {

std::string ModulePathOf(const void* address) {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<const char*>(address), &module)) {
    return {};
  }
  return ModuleFileName(module);
}

}  // namespace pelcon::platform
