// The four functions the component library exports; everything else stays hidden.

#include "component/ipelcon.hpp"
#include "component/server/class_factory.hpp"
#include "component/server/module_lock.hpp"
#include "component/server/registration.hpp"
#include "platform/module_path.hpp"

extern "C" {

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!(clsid == pelcon::kClsidCoPelcon)) return CLASS_E_CLASSNOTAVAILABLE;
  return pelcon::ClassFactory::Instance().QueryInterface(iid, object);
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return pelcon::ModuleLockCount() == 0 ? S_OK : S_FALSE;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
  const std::string library =
      pelcon::platform::ModulePathOf(reinterpret_cast<const void*>(&DllRegisterServer));
  if (library.empty()) return SELFREG_E_CLASS;
  return pelcon::RegisterComponent(library) ? S_OK : SELFREG_E_CLASS;
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return pelcon::UnregisterComponent() ? S_OK : SELFREG_E_CLASS;
}
}
