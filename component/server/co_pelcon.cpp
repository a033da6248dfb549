#include "component/server/co_pelcon.hpp"

#include <string>

#include "component/conversion_driver.hpp"
#include "component/server/module_lock.hpp"
#include "component/template_operations.hpp"
#include "export/export_template.hpp"
#include "platform/output_error_handover.hpp"
#include "platform/wide_text.hpp"
#include "ui/dialog_session.hpp"

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

HRESULT STDMETHODCALLTYPE CoPelcon::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == kIidIPelcon) {
    *object = static_cast<IPelcon*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CoPelcon::AddRef() {
  return references_.fetch_add(1) + 1;
}

ULONG STDMETHODCALLTYPE CoPelcon::Release() {
  const ULONG remaining = references_.fetch_sub(1) - 1;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT STDMETHODCALLTYPE CoPelcon::ConfigureTemplate(BSTR bstrTemplatePathFile) {
  return Guarded([&]() -> HRESULT {
    // Loading first reports a missing file without opening any window.
    ExportTemplate exportTemplate;
    ResultCode result = exportTemplate.Load(platform::WideToNarrow(bstrTemplatePathFile));
    if (Failed(result)) return result;
    const ui::DialogSession session;
    if (!session.Ready()) return kResultFail;
    result = Edit(exportTemplate, TemplateEditMode::kEdit);
    if (Failed(result)) return result;
    return exportTemplate.Save();
  });
}

HRESULT STDMETHODCALLTYPE CoPelcon::CreateTemplate(BSTR* pbstrPathFile) {
  if (pbstrPathFile == nullptr) return E_POINTER;
  return Guarded([&]() -> HRESULT {
    const ui::DialogSession session;
    if (!session.Ready()) return kResultFail;
    ExportTemplate exportTemplate;
    const ResultCode result = CreateNew(exportTemplate);
    if (Failed(result)) return result;
    BSTR path = SysAllocString(platform::NarrowToWide(exportTemplate.Path()).c_str());
    if (path == nullptr) return E_OUTOFMEMORY;
    *pbstrPathFile = path;
    return S_OK;
  });
}

// A failure to create or write the CSV file leaves the system's reason for the caller.
HRESULT STDMETHODCALLTYPE CoPelcon::ConvertFile(BSTR bstrPathFile, BSTR bstrTemplatePathFile) {
  platform::ForgetOutputError();
  const HRESULT result = Guarded([&]() -> HRESULT {
    const std::string logFilePath = platform::WideToNarrow(bstrPathFile);
    std::string templatePath = platform::WideToNarrow(bstrTemplatePathFile);
    return ConvertLogFile(logFilePath, templatePath, nullptr, nullptr);
  });
  platform::HandOverOutputError();
  return result;
}

HRESULT STDMETHODCALLTYPE CoPelcon::UIConvertFiles() {
  return Guarded([]() -> HRESULT { return ui::RunBatchConversionDialog(); });
}

}  // namespace pelcon
