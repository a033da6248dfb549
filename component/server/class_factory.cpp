#include "component/server/class_factory.hpp"

#include <new>

#include "component/server/co_pelcon.hpp"
#include "component/server/module_lock.hpp"

namespace pelcon {

ClassFactory& ClassFactory::Instance() {
  static ClassFactory factory;
  return factory;
}

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IClassFactory) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ClassFactory::AddRef() {
  const ULONG count = references_.fetch_add(1) + 1;
  if (count == 2) LockModule();
  return count;
}

ULONG STDMETHODCALLTYPE ClassFactory::Release() {
  const ULONG count = references_.fetch_sub(1) - 1;
  if (count == 1) UnlockModule();
  return count;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  auto* instance = new (std::nothrow) CoPelcon();
  if (instance == nullptr) return E_OUTOFMEMORY;
  // A reference held across QueryInterface destroys the object when the interface is refused.
  instance->AddRef();
  const HRESULT result = instance->QueryInterface(iid, object);
  instance->Release();
  return result;
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
  if (lock)
    LockModule();
  else
    UnlockModule();
  return S_OK;
}

}  // namespace pelcon
