#pragma once

#include <atomic>

#include "component/ipelcon.hpp"

namespace pelcon {

// The one creatable class. It holds no state but its reference count: every method call is
// self-contained.
class CoPelcon final : public IPelcon {
 public:
  CoPelcon();
  CoPelcon(const CoPelcon&) = delete;
  CoPelcon& operator=(const CoPelcon&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE ConfigureTemplate(BSTR bstrTemplatePathFile) override;
  HRESULT STDMETHODCALLTYPE CreateTemplate(BSTR* pbstrPathFile) override;
  HRESULT STDMETHODCALLTYPE ConvertFile(BSTR bstrPathFile, BSTR bstrTemplatePathFile) override;
  HRESULT STDMETHODCALLTYPE UIConvertFiles() override;

 private:
  ~CoPelcon();

  std::atomic<ULONG> references_{0};
};

}  // namespace pelcon
