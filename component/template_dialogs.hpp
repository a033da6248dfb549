#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/export_template.hpp"
#include "export/result_codes.hpp"

namespace pelcon {

// Only the caption of the column selection dialog differs between the two.
enum class TemplateEditMode { kCreate, kEdit };

// What the column selection dialog edits: a copy of a template's content.
struct TemplateContent {
  std::string separator;
  std::string emptyFieldText;
  std::vector<std::string> columns;
  TemplateSections sections;

  bool operator==(const TemplateContent&) const = default;
};

// An open or save file dialog, described apart from any toolkit.
struct FileDialogRequest {
  std::string title;
  std::string defaultExtension;  // without the dot, e.g. "bft"
  std::string filterName;        // e.g. "Template Files (*.bft)"
  std::string filterPattern;     // e.g. "*.bft"
  std::string initialDirectory;  // empty: the toolkit's choice
  std::string presetFileName;    // empty: none

  bool operator==(const FileDialogRequest&) const = default;
};

// The windows the template operations need. The core never opens a window itself: the dialog
// library installs an implementation, and tests install their own.
class TemplateDialogs {
 public:
  virtual ~TemplateDialogs() = default;
  // Runs the column selection dialog modally on content. kResultOk when it ended with OK (content
  // then holds the user's values), kResultCancelled otherwise (content unspecified).
  virtual ResultCode EditColumns(TemplateContent& content, TemplateEditMode mode) = 0;
  // A save dialog that asks before overwriting and requires an existing folder; empty when the
  // user cancels.
  virtual std::optional<std::string> AskSavePath(const FileDialogRequest& request) = 0;
  // An open dialog for one existing file; empty when the user cancels.
  virtual std::optional<std::string> AskOpenPath(const FileDialogRequest& request) = 0;
};

// The implementation in use, or null when none is installed.
TemplateDialogs* InstalledTemplateDialogs();

// Installs an implementation for its lifetime and then restores the one it replaced.
class ScopedTemplateDialogs {
 public:
  explicit ScopedTemplateDialogs(TemplateDialogs& dialogs);
  ScopedTemplateDialogs(const ScopedTemplateDialogs&) = delete;
  ScopedTemplateDialogs& operator=(const ScopedTemplateDialogs&) = delete;
  ~ScopedTemplateDialogs();

 private:
  TemplateDialogs* previous_;
};

}  // namespace pelcon
