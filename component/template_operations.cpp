#include "component/template_operations.hpp"

#include <atomic>

#include "datalib/text_helpers.hpp"
#include "export/path_names.hpp"
#include "export/settings.hpp"
#include "platform/notifier.hpp"

namespace pelcon {
namespace {

std::atomic<TemplateDialogs*> installedDialogs{nullptr};

// A program without a dialog library (or without a display) must say so rather than pretend the
// user cancelled.
TemplateDialogs* DialogsOrNotice() {
  TemplateDialogs* dialogs = InstalledTemplateDialogs();
  if (dialogs == nullptr) {
    platform::ShowNotice("Template dialogs are not available in this program",
                         platform::NoticeIcon::kStop);
  }
  return dialogs;
}

FileDialogRequest TemplateFileRequest(std::string title) {
  FileDialogRequest request;
  request.title = std::move(title);
  request.defaultExtension = kTemplateExtension;
  request.filterName = kTemplateFilterName;
  request.filterPattern = kTemplateFilterPattern;
  return request;
}

}  // namespace

TemplateDialogs* InstalledTemplateDialogs() {
  return installedDialogs.load(std::memory_order_acquire);
}

ScopedTemplateDialogs::ScopedTemplateDialogs(TemplateDialogs& dialogs)
    : previous_(installedDialogs.exchange(&dialogs, std::memory_order_acq_rel)) {}

ScopedTemplateDialogs::~ScopedTemplateDialogs() {
  installedDialogs.store(previous_, std::memory_order_release);
}

ResultCode Edit(ExportTemplate& exportTemplate, TemplateEditMode mode) {
  TemplateDialogs* dialogs = DialogsOrNotice();
  if (dialogs == nullptr) return kResultFail;
  TemplateContent content{std::string(exportTemplate.Separator()), exportTemplate.EmptyFieldText(),
                          exportTemplate.Columns(), exportTemplate.Sections()};
  if (dialogs->EditColumns(content, mode) != kResultOk) return kResultCancelled;
  exportTemplate.SetEmptyFieldText(std::move(content.emptyFieldText));
  exportTemplate.SetSeparator(std::move(content.separator));
  exportTemplate.SetColumns(std::move(content.columns));
  exportTemplate.SetSections(content.sections);
  // A failed write has shown its message; the edit itself stands.
  if (mode == TemplateEditMode::kEdit && !exportTemplate.Path().empty()) exportTemplate.Save();
  return kResultOk;
}

ResultCode CreateNew(ExportTemplate& exportTemplate) {
  const ResultCode edited = Edit(exportTemplate, TemplateEditMode::kCreate);
  if (Failed(edited)) return edited;
  TemplateDialogs* dialogs = DialogsOrNotice();
  if (dialogs == nullptr) return kResultFail;
  FileDialogRequest request = TemplateFileRequest("Save New Template File");
  request.initialDirectory = TemplatesFolder();
  std::optional<std::string> path = dialogs->AskSavePath(request);
  if (!path) return kResultCancelled;
  return exportTemplate.Save(*path);
}

ResultCode BrowseTemplateFile(std::string& path) {
  TemplateDialogs* dialogs = DialogsOrNotice();
  if (dialogs == nullptr) return kResultFail;
  FileDialogRequest request = TemplateFileRequest("Open Template File");
  request.presetFileName = path;
  request.initialDirectory = path.empty() ? TemplatesFolder() : DirectoryOf(path);
  std::optional<std::string> chosen = dialogs->AskOpenPath(request);
  if (!chosen) return kResultCancelled;
  if (!EqualsNoCase(ExtensionOf(*chosen), kTemplateExtension)) {
    platform::ShowNotice("Invalid template file selected", platform::NoticeIcon::kNone);
    return kResultFail;
  }
  path = std::move(*chosen);
  return kResultOk;
}

}  // namespace pelcon
