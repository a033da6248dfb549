#include "ui/qt/file_dialogs.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>

#include "export/settings.hpp"
#include "platform/notifier.hpp"
#include "ui/qt/qt_text.hpp"
#include "ui/window_size.hpp"

namespace pelcon::ui {
namespace {

QString NameFilter(const FileDialogRequest& request) {
  const QString name = FromMessageText(request.filterName);
  const QString pattern = FromMessageText(request.filterPattern);
  return name.contains(pattern) ? name : QStringLiteral("%1 (%2)").arg(name, pattern);
}

bool FolderExists(const QString& path) {
  return QFileInfo(path).absoluteDir().exists();
}

// The toolkit's own dialog in its detail view, at the size it was last left at, else at one that
// shows long names, sizes, kinds and dates in full.
void ShowDetails(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setViewMode(QFileDialog::Detail);
  const QFontMetrics metrics(dialog.font());
  const int character = metrics.averageCharWidth();
  if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    details->header()->resizeSection(0, character * 48);
  }
  const std::optional<WindowSize> stored = ParseWindowSize(ReadFileDialogSize());
  dialog.resize(stored ? QSize(stored->width, stored->height)
                       : QSize(character * 130, metrics.height() * 30));
}

void RememberSize(const QFileDialog& dialog) {
  // A size that cannot be stored only means the next dialog opens at the default one.
  WriteFileDialogSize(WindowSizeText({dialog.width(), dialog.height()}));
}

}  // namespace

std::vector<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                       FileDialogMode mode) {
  QFileDialog dialog(parent, FromMessageText(request.title));
  dialog.setNameFilter(NameFilter(request));
  dialog.setDefaultSuffix(FromMessageText(request.defaultExtension));
  switch (mode) {
    case FileDialogMode::kOpenOne:
      dialog.setFileMode(QFileDialog::ExistingFile);
      break;
    case FileDialogMode::kOpenMany:
      dialog.setFileMode(QFileDialog::ExistingFiles);
      break;
    case FileDialogMode::kSave:
      dialog.setFileMode(QFileDialog::AnyFile);
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      break;
  }
  if (!request.initialDirectory.empty()) dialog.setDirectory(FromPath(request.initialDirectory));
  if (!request.presetFileName.empty()) dialog.selectFile(FromPath(request.presetFileName));
  ShowDetails(dialog);

  for (;;) {
    const int answer = dialog.exec();
    RememberSize(dialog);
    if (answer != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    // The toolkit's dialog lets a new name in a folder that does not exist through.
    if (mode == FileDialogMode::kSave && !FolderExists(chosen.front())) {
      platform::ShowNotice("The folder does not exist:\n" + ToPath(chosen.front()),
                           platform::NoticeIcon::kExclamation);
      continue;
    }
    std::vector<std::string> paths;
    paths.reserve(static_cast<size_t>(chosen.size()));
    for (const QString& path : chosen) paths.push_back(ToPath(path));
    return paths;
  }
}

}  // namespace pelcon::ui
