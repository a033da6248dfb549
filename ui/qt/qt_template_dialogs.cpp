#include "ui/qt/qt_template_dialogs.hpp"

#include <QApplication>

#include "ui/qt/column_selection_dialog.hpp"
#include "ui/qt/file_dialogs.hpp"
#include "ui/qt/widget_helpers.hpp"

namespace pelcon::ui {
namespace {

std::optional<std::string> OnePath(const FileDialogRequest& request, FileDialogMode mode) {
  std::vector<std::string> paths = RunFileDialog(ActiveDialog(), request, mode);
  if (paths.empty()) return std::nullopt;
  return std::move(paths.front());
}

}  // namespace

ResultCode QtTemplateDialogs::EditColumns(TemplateContent& content, TemplateEditMode mode) {
  ColumnSelectionDialog dialog(content, mode, ActiveDialog());
  if (dialog.exec() != QDialog::Accepted) return kResultCancelled;
  content = dialog.Content();
  return kResultOk;
}

std::optional<std::string> QtTemplateDialogs::AskSavePath(const FileDialogRequest& request) {
  return OnePath(request, FileDialogMode::kSave);
}

std::optional<std::string> QtTemplateDialogs::AskOpenPath(const FileDialogRequest& request) {
  return OnePath(request, FileDialogMode::kOpenOne);
}

}  // namespace pelcon::ui
