#include "ui/batch_dialog_model.hpp"

#include "component/template_operations.hpp"
#include "datalib/text_helpers.hpp"
#include "export/export_template.hpp"
#include "export/path_names.hpp"
#include "export/settings.hpp"
#include "platform/notifier.hpp"
#include "ui/list_selection.hpp"

namespace pelcon::ui {
namespace {

constexpr std::string_view kLogFileExtension = "bin";

void ShowPlain(std::string_view text) {
  platform::ShowNotice(text, platform::NoticeIcon::kNone);
}

}  // namespace

void BatchDialogModel::LoadSettings() {
  templatePath_ = ReadDefaultTemplatePath();
  dataPath_ = ReadDataPath();
  if (dataPath_.empty()) dataPath_ = DataFolder();
}

void BatchDialogModel::StoreSettings() const {
  WriteDefaultTemplatePath(templatePath_);
  WriteDataPath(dataPath_);
}

std::string BatchDialogModel::TemplateDisplay() const {
  return FileNameOf(templatePath_);
}

void BatchDialogModel::OpenTemplate() {
  BrowseTemplateFile(templatePath_);
}

void BatchDialogModel::NewTemplate() {
  ExportTemplate created;
  if (CreateNew(created) == kResultOk) templatePath_ = created.Path();
}

void BatchDialogModel::EditTemplate() {
  if (TemplateDisplay().empty()) {
    ShowPlain("Invalid Template File");
    return;
  }
  ExportTemplate edited;
  if (Failed(edited.Load(templatePath_))) {
    ShowPlain("Unable to load file");
    return;
  }
  Edit(edited, TemplateEditMode::kEdit);
}

FileDialogRequest BatchDialogModel::AddFilesRequest() const {
  FileDialogRequest request;
  request.title = "Add Binary Files To Convert";
  request.defaultExtension = kLogFileExtension;
  request.filterName = "Bin Files (*.bin)";
  request.filterPattern = "*.bin";
  request.initialDirectory = dataPath_;
  return request;
}

bool BatchDialogModel::IsLogFile(std::string_view path) {
  return EqualsNoCase(ExtensionOf(path), kLogFileExtension);
}

int BatchDialogModel::AddFiles(std::span<const std::string> chosenPaths) {
  int added = 0;
  for (const std::string& path : chosenPaths) {
    if (!IsLogFile(path)) continue;
    FileEntry entry{path, FileNameOf(path), DirectoryOf(path)};
    dataPath_ = entry.folder;
    files_.push_back(std::move(entry));
    ++added;
  }
  return added;
}

void BatchDialogModel::RemoveFiles(std::span<const int> selection) {
  if (files_.empty()) {
    ShowPlain("No files selected");
    return;
  }
  EraseSelected(files_, selection);
}

bool BatchDialogModel::ReadyToConvert() const {
  if (files_.empty()) {
    platform::ShowNotice("No files selected", platform::NoticeIcon::kExclamation);
    return false;
  }
  if (templatePath_.empty()) {
    platform::ShowNotice("No template file selected", platform::NoticeIcon::kExclamation);
    return false;
  }
  return true;
}

std::string BatchDialogModel::ResultFolder(int line) const {
  if (line < 0 || line >= static_cast<int>(results_.size())) return {};
  const std::string& output = results_[static_cast<size_t>(line)].output;
  return output.empty() ? std::string() : DirectoryOf(output);
}

}  // namespace pelcon::ui
