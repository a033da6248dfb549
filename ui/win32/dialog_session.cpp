#include "ui/dialog_session.hpp"

#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "component/conversion_driver.hpp"
#include "ui/win32/batch_dialog.hpp"
#include "ui/win32/column_selection_dialog.hpp"
#include "ui/win32/file_dialogs.hpp"

// Windows always has its window system: a session is the common controls and the Win32 template
// dialogs. Notices are message boxes already.

namespace pelcon::ui {
namespace {

class Win32TemplateDialogs final : public TemplateDialogs {
 public:
  ResultCode EditColumns(TemplateContent& content, TemplateEditMode mode) override {
    return win32::RunColumnSelectionDialog(::GetActiveWindow(), content, mode);
  }
  std::optional<std::string> AskSavePath(const FileDialogRequest& request) override {
    return OnePath(request, win32::FileDialogMode::kSave);
  }
  std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override {
    return OnePath(request, win32::FileDialogMode::kOpenOne);
  }

 private:
  static std::optional<std::string> OnePath(const FileDialogRequest& request,
                                            win32::FileDialogMode mode) {
    std::vector<std::string> paths = win32::RunFileDialog(::GetActiveWindow(), request, mode);
    if (paths.empty()) return std::nullopt;
    return std::move(paths.front());
  }
};

}  // namespace

struct DialogSession::State {
  Win32TemplateDialogs templateDialogs;
  std::optional<ScopedTemplateDialogs> installation;
};

DialogSession::DialogSession() {
  const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX),
                                         ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  auto state = std::make_unique<State>();
  state->installation.emplace(state->templateDialogs);
  state_ = std::move(state);
}

DialogSession::~DialogSession() = default;

ResultCode RunBatchConversionDialog() {
  DialogSession session;
  win32::RunBatchDialog(ConvertLogFile);
  return kResultOk;
}

}  // namespace pelcon::ui
