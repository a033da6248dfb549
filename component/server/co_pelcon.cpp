#include "component/server/co_pelcon.hpp"

#include <string>

#include "component/conversion_driver.hpp"
#include "component/export_template.hpp"
#include "component/server/module_lock.hpp"
#include "platform/wide_text.hpp"

namespace pelcon {
namespace {

// No exception may cross the interface.
template <typename Body>
HRESULT Guarded(Body body) {
  try {
    return body();
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace

CoPelcon::CoPelcon() {
  LockModule();
}
CoPelcon::~CoPelcon() {
  UnlockModule();
}

HRESULT CoPelcon::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == kIidIPelcon) {
    *object = static_cast<IPelcon*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CoPelcon::AddRef() {
  return references_.fetch_add(1) + 1;
}

ULONG CoPelcon::Release() {
  const ULONG remaining = references_.fetch_sub(1) - 1;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT CoPelcon::ConfigureTemplate(BSTR bstrTemplatePathFile) {
  return Guarded([&]() -> HRESULT {
    ExportTemplate exportTemplate;
    const ResultCode loaded = exportTemplate.Load(platform::WideToNarrow(bstrTemplatePathFile));
    if (Failed(loaded)) return loaded;
    // Editing needs the template editor, which this build does not have.
    return E_NOTIMPL;
  });
}

HRESULT CoPelcon::CreateTemplate(BSTR* pbstrPathFile) {
  if (pbstrPathFile == nullptr) return E_POINTER;
  return Guarded([]() -> HRESULT { return E_NOTIMPL; });
}

HRESULT CoPelcon::ConvertFile(BSTR bstrPathFile, BSTR bstrTemplatePathFile) {
  return Guarded([&]() -> HRESULT {
    const std::string logFilePath = platform::WideToNarrow(bstrPathFile);
    std::string templatePath = platform::WideToNarrow(bstrTemplatePathFile);
    return ConvertLogFile(logFilePath, templatePath, nullptr, nullptr);
  });
}

HRESULT CoPelcon::UIConvertFiles() {
  return Guarded([]() -> HRESULT { return E_NOTIMPL; });
}

}  // namespace pelcon
