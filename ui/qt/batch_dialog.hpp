#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <optional>
#include <span>
#include <string>

#include "ui/batch_dialog_model.hpp"
#include "ui/batch_run.hpp"
#include "ui/folder_opener.hpp"
#include "ui/qt/anchored_layout.hpp"
#include "ui/qt/progress_bar_sink.hpp"

namespace pelcon::ui {

// The main window: choose a template, collect log files (also dropped from a file manager) and
// convert them on a worker thread with progress and cancel; a results list tells how each file
// went. Reads the settings when made and writes them when destroyed.
class BatchDialog final : public QDialog, private BatchRunObserver {
 public:
  explicit BatchDialog(LogFileConverter converter, QWidget* parent = nullptr);
  ~BatchDialog() override;

  // Adds log files as if chosen in the "Add" dialog.
  void AddFiles(std::span<const std::string> paths);
  bool Running() const { return run_.IsRunning(); }
  // What a double click on a results line opens; the desktop's file manager unless replaced.
  void SetFolderOpener(FolderOpener opener) { openFolder_ = std::move(opener); }

  // Closing is refused while a run is in progress (the frame's close and Escape).
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Drops of log files on the files list.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Every command but Cancel starts from an empty status and both bars at 0.
  void ResetProgress();
  void ShowTemplate();
  void ShowFiles();
  void ShowResults();
  void PinControls();
  // Grows the window by the results strip and shows the list there, once results exist.
  void RevealResults();
  void SetRunning(bool running);
  // Preview needs exactly one file and no run going on.
  void UpdatePreview();
  void OnPreview();

  void OnNew();
  void OnEdit();
  void OnOpen();
  void OnAdd();
  void OnRemove();
  void OnConvert();
  void OnTimer();
  void ShowAbout();
  void OnResultActivated(QTreeWidgetItem* item);

  // From the worker thread.
  void RunStarted(int fileCount) override;
  void FileStarted(const FileEntry& file) override;
  void FileFinished(int filesDone) override;

  BatchDialogModel model_;
  BatchRun run_;
  QTimer timer_;
  QLineEdit* template_;
  QPushButton* new_;
  QPushButton* edit_;
  QPushButton* open_;
  QListWidget* files_;
  QPushButton* add_;
  QPushButton* remove_;
  QPushButton* convert_;
  QPushButton* preview_ = nullptr;  // only in builds with plots
  QTreeWidget* results_;
  QLineEdit* status_;
  QProgressBar* fileProgress_;
  QProgressBar* overallProgress_;
  QPushButton* close_;
  std::optional<ProgressBarSink> fileProgressSink_;
  std::optional<AnchoredLayout> layout_;
  int resultsBand_ = 0;  // pixels
  FolderOpener openFolder_;
};

}  // namespace pelcon::ui
