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

  HRESULT QueryInterface(REFIID iid, void** object) override;
  ULONG AddRef() override;
  ULONG Release() override;

  HRESULT ConfigureTemplate(BSTR bstrTemplatePathFile) override;
  HRESULT CreateTemplate(BSTR* pbstrPathFile) override;
  HRESULT ConvertFile(BSTR bstrPathFile, BSTR bstrTemplatePathFile) override;
  HRESULT UIConvertFiles() override;

 private:
  ~CoPelcon();

  std::atomic<ULONG> references_{0};
};

}  // namespace pelcon
