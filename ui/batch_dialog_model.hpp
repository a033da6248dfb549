#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "component/template_dialogs.hpp"
#include "jobs/file_report.hpp"
#include "ui/file_entry.hpp"

namespace pelcon::ui {

// The batch conversion dialog's state apart from its windows: the chosen template, the folder the
// add-files dialog starts in, and the list of log files. The template commands open their windows
// through the installed TemplateDialogs; messages go through the notifier.
class BatchDialogModel {
 public:
  // Reads the default template and the last data folder (else the data folder) from the settings.
  void LoadSettings();
  // Writes the template path as the default template and the data path; done when the dialog is
  // destroyed, whether or not the template was used.
  void StoreSettings() const;

  const std::string& TemplatePath() const { return templatePath_; }
  // The template's file name, what the read-only template box shows.
  std::string TemplateDisplay() const;
  const std::string& DataPath() const { return dataPath_; }
  const std::vector<FileEntry>& Files() const { return files_; }

  // "Open": choose another template file.
  void OpenTemplate();
  // "New": create a template and take it as the chosen one.
  void NewTemplate();
  // "Edit": edit the chosen template in place.
  void EditTemplate();

  // The open dialog "Add" shows, starting in the data path; it allows several files.
  FileDialogRequest AddFilesRequest() const;
  // Whether a path names a log file: extension ".bin" in any letter case.
  static bool IsLogFile(std::string_view path);
  // Appends the chosen ".bin" files (any letter case; others are skipped silently); the data path
  // follows the last file added. Returns how many were added.
  int AddFiles(std::span<const std::string> chosenPaths);
  // "Remove": deletes the selected list lines; with an empty list says "No files selected".
  void RemoveFiles(std::span<const int> selection);

  // Whether "Convert" may start a run; shows why not when it may not.
  bool ReadyToConvert() const;

  // The results of the last run, one line each in the results list.
  void KeepResults(std::vector<jobs::FileOutcome> results) { results_ = std::move(results); }
  const std::vector<jobs::FileOutcome>& Results() const { return results_; }
  // The folder a results list line opens: that of its output; empty when it wrote none.
  std::string ResultFolder(int line) const;

 private:
  std::string templatePath_;
  std::string dataPath_;
  std::vector<FileEntry> files_;
  std::vector<jobs::FileOutcome> results_;
};

}  // namespace pelcon::ui
