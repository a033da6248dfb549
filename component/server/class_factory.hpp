#pragma once

#include <atomic>

#include "platform/com_types.hpp"

namespace pelcon {

// The factory of CoPelcon, one per process and cached for the library's lifetime. While a
// client holds it (a count above 1), it keeps the library loaded.
class ClassFactory final : public IClassFactory {
 public:
  static ClassFactory& Instance();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ClassFactory() = default;

  // The module's own reference keeps the count at 1 when no client holds the factory.
  std::atomic<ULONG> references_{1};
};

}  // namespace pelcon
