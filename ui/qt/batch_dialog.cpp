#include "ui/qt/batch_dialog.hpp"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QThread>
#include <QUrl>

#include "export/settings.hpp"
#include "platform/notifier.hpp"
#include "ui/batch_dialog_layout.hpp"
#include "ui/qt/about_dialog.hpp"
#include "ui/qt/application_icon.hpp"
#include "ui/qt/file_dialogs.hpp"
#include "ui/qt/gui_thread.hpp"
#ifdef PELCON_PLOTS
#include "export/export_template.hpp"
#include "ui/qt/log_preview_window.hpp"
#endif
#include "ui/qt/qt_text.hpp"
#include "ui/qt/widget_helpers.hpp"
#include "ui/results_list.hpp"

namespace pelcon::ui {
namespace {

constexpr int kTimerMilliseconds = 1000;

// The log files among the local files of a drag from a file manager.
std::vector<std::string> DroppedLogFiles(const QMimeData& dropped) {
  std::vector<std::string> paths;
  for (const QUrl& url : dropped.urls()) {
    if (!url.isLocalFile()) continue;
    std::string path = ToPath(url.toLocalFile());
    if (BatchDialogModel::IsLogFile(path)) paths.push_back(std::move(path));
  }
  return paths;
}

void OpenInFileManager(const std::string& folder) {
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(FromPath(folder))))
    TellFolderNotOpened(folder);
}

QProgressBar* MakeProgressBar(QWidget& dialog, const DialogUnits& units, const char* name, int y,
                              int height) {
  auto* bar = MakeControl<QProgressBar>(dialog, units, name, {}, 7, y, 236, height);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  return bar;
}

}  // namespace

BatchDialog::BatchDialog(LogFileConverter converter, QWidget* parent)
    : QDialog(parent), run_(std::move(converter)), openFolder_(OpenInFileManager) {
  const DialogUnits units = SetUpDialog(*this, kBatchDialogWidth, kBatchDialogHeight);
  setWindowTitle(QStringLiteral("Tarvel Pelcon"));
  setWindowIcon(ApplicationIcon());
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

  MakeControl<QLabel>(*this, units, "templateLabel", QStringLiteral("Template"), 7, 8, 75, 8);
  template_ = MakeControl<QLineEdit>(*this, units, "templateEdit", {}, 7, 17, 236, 12);
  template_->setReadOnly(true);
  new_ = MakeControl<QPushButton>(*this, units, "newButton", QStringLiteral("New"), 7, 32, 50, 14);
  edit_ =
      MakeControl<QPushButton>(*this, units, "editButton", QStringLiteral("Edit"), 64, 32, 50, 14);
  open_ =
      MakeControl<QPushButton>(*this, units, "openButton", QStringLiteral("Open"), 193, 32, 50, 14);
  MakeControl<QLabel>(*this, units, "filesLabel", QStringLiteral("Files To Convert"), 7, 57, 88, 8);
  files_ = MakeControl<QListWidget>(*this, units, "filesList", {}, 7, 68, 236, 117);
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  files_->setAcceptDrops(true);
  files_->viewport()->setAcceptDrops(true);
  files_->viewport()->installEventFilter(this);
  add_ = MakeControl<QPushButton>(*this, units, "addButton", QStringLiteral("Add"), 7, 188, 50, 14);
  remove_ = MakeControl<QPushButton>(*this, units, "removeButton", QStringLiteral("Remove"), 61,
                                     188, 50, 14);
#ifdef PELCON_PLOTS
  // A look at one file's columns of the chosen template before converting.
  preview_ = MakeControl<QPushButton>(*this, units, "previewButton", QStringLiteral("Preview"), 115,
                                      188, 50, 14);
  preview_->setAutoDefault(false);  // Enter means Convert, never a preview
  connect(files_, &QListWidget::itemSelectionChanged, this, &BatchDialog::UpdatePreview);
  connect(preview_, &QPushButton::clicked, this, &BatchDialog::OnPreview);
#endif
  convert_ = MakeControl<QPushButton>(*this, units, "convertButton", QStringLiteral("Convert"), 190,
                                      188, 50, 14);
  status_ = MakeControl<QLineEdit>(*this, units, "statusEdit", {}, 7, 207, 236, 12);
  status_->setReadOnly(true);
  fileProgress_ = MakeProgressBar(*this, units, "fileProgress", 223, 6);
  fileProgressSink_.emplace(*fileProgress_);
  overallProgress_ = MakeProgressBar(*this, units, "overallProgress", 228, 14);
  // The two bars overlap by a unit; the thin one stays in front.
  fileProgress_->raise();
  MakeControl<QLabel>(*this, units, "versionCaption", QStringLiteral("Version:"), 7, 250, 27, 8);
  MakeControl<QLabel>(*this, units, "versionLabel", FromMessageText(VersionText()), 40, 250, 35, 8);
  // Window managers here give a dialog no system menu to carry "About Pelcon"; this button (and
  // the dialog's context menu) stand in for it.
  auto* about = MakeControl<QPushButton>(*this, units, "aboutButton", QStringLiteral("About"), 136,
                                         244, 50, 14);
  close_ = MakeControl<QPushButton>(*this, units, "closeButton", QStringLiteral("Close"), 193, 244,
                                    50, 14);
  // Enter must never end the dialog and lose the list: Close is no default button, not even with
  // the focus on it; Enter means Convert.
  close_->setAutoDefault(false);
  convert_->setDefault(true);
  // Below everything else and hidden until a run has ended.
  results_ = MakeControl<QTreeWidget>(*this, units, "resultsList", {}, kResultsLeft, kResultsTop,
                                      kResultsWidth, kResultsHeight);
  results_->setRootIsDecorated(false);
  results_->setUniformRowHeights(true);
  QStringList headers;
  for (const ResultColumn& column : kResultColumns) headers << FromMessageText(column.title);
  results_->setHeaderLabels(headers);
  for (int column = 0; column < std::ssize(kResultColumns); ++column) {
    results_->setColumnWidth(column, units.X(kResultColumns[static_cast<size_t>(column)].width));
  }
  results_->hide();
  resultsBand_ = units.Y(kBatchDialogHeight + kResultsBand) - units.Y(kBatchDialogHeight);

  layout_.emplace(*this);
  PinControls();

  model_.LoadSettings();
  ShowTemplate();
  UpdatePreview();
  convert_->setFocus();

  connect(new_, &QPushButton::clicked, this, &BatchDialog::OnNew);
  connect(edit_, &QPushButton::clicked, this, &BatchDialog::OnEdit);
  connect(open_, &QPushButton::clicked, this, &BatchDialog::OnOpen);
  connect(add_, &QPushButton::clicked, this, &BatchDialog::OnAdd);
  connect(remove_, &QPushButton::clicked, this, &BatchDialog::OnRemove);
  connect(convert_, &QPushButton::clicked, this, &BatchDialog::OnConvert);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  connect(about, &QPushButton::clicked, this, &BatchDialog::ShowAbout);
  connect(&timer_, &QTimer::timeout, this, &BatchDialog::OnTimer);
  connect(results_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OnResultActivated(item); });
}

void BatchDialog::PinControls() {
  // The files list takes the extra height, or half of it once the results list shares it; the
  // controls under the files list keep their distance to its bottom edge.
  const double filesShare = results_->isHidden() ? 1.0 : 0.5;
  const Anchor under{0, filesShare, 0, 0};
  const Anchor underRight{1, filesShare, 0, 0};
  const Anchor underWider{0, filesShare, 1, 0};
  const std::pair<const char*, Anchor> pins[] = {
      {"templateEdit", {0, 0, 1, 0}},
      {"openButton", {1, 0, 0, 0}},
      {"filesList", {0, 0, 1, filesShare}},
      {"addButton", under},
      {"removeButton", under},
#ifdef PELCON_PLOTS
      {"previewButton", under},
#endif
      {"convertButton", underRight},
      {"statusEdit", underWider},
      {"fileProgress", underWider},
      {"overallProgress", underWider},
      {"versionCaption", under},
      {"versionLabel", under},
      {"aboutButton", underRight},
      {"closeButton", underRight},
      {"resultsList", {0, filesShare, 1, 1 - filesShare}}};
  for (const auto& [name, anchor] : pins) {
    layout_->Pin(*findChild<QWidget*>(QString::fromLatin1(name)), anchor);
  }
}

void BatchDialog::RevealResults() {
  if (!results_->isHidden() || model_.Results().empty()) return;
  // Taken before the new minimum may already resize the window.
  const QSize grown = size() + QSize(0, resultsBand_);
  results_->show();
  PinControls();
  layout_->SetLaidOutSize(minimumSize() + QSize(0, resultsBand_));
  resize(grown);
  layout_->Apply();
}

BatchDialog::~BatchDialog() {
  if (run_.IsRunning()) {
    // The worker may be waiting for this thread; keep serving it until it has ended.
    run_.RequestCancel();
    while (!run_.WorkerFinished()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
    run_.Collect();
  }
  model_.StoreSettings();
}

void BatchDialog::AddFiles(std::span<const std::string> paths) {
  model_.AddFiles(paths);
  ShowFiles();
}

void BatchDialog::reject() {
  if (run_.IsRunning()) return;
  QDialog::reject();
}

void BatchDialog::closeEvent(QCloseEvent* event) {
  if (run_.IsRunning()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void BatchDialog::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(QStringLiteral("About Pelcon")), &QAction::triggered, this,
          &BatchDialog::ShowAbout);
  menu.exec(event->globalPos());
}

void BatchDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (layout_) layout_->Apply();
}

bool BatchDialog::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != files_->viewport() ||
      (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
    return QDialog::eventFilter(watched, event);
  }
  auto* drop = static_cast<QDropEvent*>(event);
  const std::vector<std::string> paths = DroppedLogFiles(*drop->mimeData());
  if (paths.empty() || run_.IsRunning()) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    ResetProgress();
    AddFiles(paths);
  }
  return true;
}

void BatchDialog::ResetProgress() {
  fileProgress_->setValue(0);
  overallProgress_->setValue(0);
  status_->clear();
}

void BatchDialog::ShowTemplate() {
  template_->setText(FromPath(model_.TemplateDisplay()));
}

void BatchDialog::ShowFiles() {
  files_->clear();
  for (const FileEntry& file : model_.Files()) {
    auto* item = new QListWidgetItem(FromPath(file.fileName), files_);
    item->setToolTip(FromPath(file.fullPath));
  }
}

void BatchDialog::ShowResults() {
  results_->clear();
  for (const jobs::FileOutcome& result : model_.Results()) {
    const std::array<std::string, 5> texts = ResultRowTexts(result);
    auto* item = new QTreeWidgetItem(results_);
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
      item->setText(column, FromMessageText(texts[static_cast<size_t>(column)]));
    }
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(0, FromPath(result.input));
    item->setToolTip(3, FromPath(result.output));
    item->setToolTip(4, FromMessageText(result.error));
  }
}

void BatchDialog::SetRunning(bool running) {
  for (QWidget* control :
       {static_cast<QWidget*>(files_), static_cast<QWidget*>(results_), static_cast<QWidget*>(new_),
        static_cast<QWidget*>(edit_), static_cast<QWidget*>(open_), static_cast<QWidget*>(add_),
        static_cast<QWidget*>(remove_), static_cast<QWidget*>(close_)}) {
    control->setEnabled(!running);
  }
  convert_->setText(running ? QStringLiteral("Cancel") : QStringLiteral("Convert"));
  UpdatePreview();
}

void BatchDialog::UpdatePreview() {
  if (preview_) preview_->setEnabled(files_->isEnabled() && SelectedRows(*files_).size() == 1);
}

void BatchDialog::OnPreview() {
#ifdef PELCON_PLOTS
  std::optional<std::vector<std::string>> columns;
  if (!model_.TemplatePath().empty()) {
    ExportTemplate chosen;
    // A template that cannot be read has said why; the preview would not show its columns.
    if (Failed(chosen.Load(model_.TemplatePath()))) return;
    columns = chosen.Columns();
  }
  ShowLogPreview(this, model_.Files()[SelectedRows(*files_).front()].fullPath, columns);
#endif
}

void BatchDialog::OnNew() {
  ResetProgress();
  model_.NewTemplate();
  ShowTemplate();
}

void BatchDialog::OnEdit() {
  ResetProgress();
  model_.EditTemplate();
}

void BatchDialog::OnOpen() {
  ResetProgress();
  model_.OpenTemplate();
  ShowTemplate();
}

void BatchDialog::OnAdd() {
  ResetProgress();
  AddFiles(RunFileDialog(this, model_.AddFilesRequest(), FileDialogMode::kOpenMany));
}

void BatchDialog::OnRemove() {
  ResetProgress();
  model_.RemoveFiles(SelectedRows(*files_));
  ShowFiles();
}

void BatchDialog::OnConvert() {
  if (run_.IsRunning()) {
    run_.RequestCancel();
    return;
  }
  ResetProgress();
  if (!model_.ReadyToConvert()) return;
  model_.KeepResults({});
  ShowResults();
  SetRunning(true);
  run_.Start(model_.Files(), model_.TemplatePath(), &*fileProgressSink_, this);
  timer_.start(kTimerMilliseconds);
}

void BatchDialog::OnTimer() {
  if (!run_.WorkerFinished()) return;
  timer_.stop();
  BatchOutcome outcome = run_.Collect();
  const std::string message = CompletionMessage(outcome);
  model_.KeepResults(std::move(outcome.files));
  ShowResults();
  RevealResults();
  SetRunning(false);
  ResetProgress();
  QMetaObject::invokeMethod(
      this, [message] { platform::ShowNotice(message, platform::NoticeIcon::kInformation); },
      Qt::QueuedConnection);
}

void BatchDialog::ShowAbout() {
  AboutDialog(this).exec();
}

void BatchDialog::OnResultActivated(QTreeWidgetItem* item) {
  const std::string folder = model_.ResultFolder(results_->indexOfTopLevelItem(item));
  if (!folder.empty() && openFolder_) openFolder_(folder);
}

void BatchDialog::RunStarted(int fileCount) {
  RunOnGuiThread(*this, [&] { overallProgress_->setRange(0, fileCount); });
}

void BatchDialog::FileStarted(const FileEntry& file) {
  RunOnGuiThread(*this, [&] {
    status_->setText(FromPath(file.fileName));
    status_->repaint();
  });
}

void BatchDialog::FileFinished(int filesDone) {
  RunOnGuiThread(*this, [&] {
    overallProgress_->setValue(filesDone);
    update();
  });
}

}  // namespace pelcon::ui
