#include "ui/win32/batch_dialog.hpp"

#include <commctrl.h>
#include <shellapi.h>

#include <array>

#include "export/settings.hpp"
#include "platform/notifier.hpp"
#include "ui/batch_dialog_layout.hpp"
#include "ui/batch_dialog_model.hpp"
#include "ui/results_list.hpp"
#include "ui/win32/about_dialog.hpp"
#include "ui/win32/dialog_helpers.hpp"
#include "ui/win32/file_dialogs.hpp"
#include "ui/win32/resource_ids.h"

namespace pelcon::ui::win32 {
namespace {

constexpr UINT_PTR kTimer = 33333;
constexpr UINT kTimerMilliseconds = 1000;
// System menu commands 16 to 31 open the about box; the low four bits belong to the system.
constexpr UINT kAboutCommand = 16;

// Messages the worker sends the dialog; each waits until the dialog's thread has handled it.
constexpr UINT kRunStarted = WM_APP + 1;
constexpr UINT kFileStarted = WM_APP + 2;
constexpr UINT kFileFinished = WM_APP + 3;

constexpr std::array kControlsIdleOnly = {IDC_FILES, IDC_RESULTS, IDC_NEW,    IDC_EDIT,
                                          IDC_OPEN,  IDC_ADD,     IDC_REMOVE, IDC_CLOSE};

// The local files of a drop from the shell.
std::vector<std::string> DroppedFiles(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    const UINT length = ::DragQueryFileA(drop, index, nullptr, 0);
    std::string path(length + 1, '\0');
    const UINT got = ::DragQueryFileA(drop, index, path.data(), length + 1);
    if (got == 0) continue;
    path.resize(got);
    paths.push_back(std::move(path));
  }
  return paths;
}

// The per-file progress bar as the conversion driver sees it, driven from the worker thread by
// messages sent to the bar.
class ProgressBarSink final : public ProgressSink {
 public:
  void Attach(HWND bar) { bar_ = bar; }
  void SetRange(int minimum, int maximum) override {
    ::SendMessageA(bar_, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  }
  void SetPosition(int position) override {
    ::SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  }
  void Redraw() override { ::UpdateWindow(bar_); }

 private:
  HWND bar_ = nullptr;
};

class BatchDialog final : public BatchRunObserver {
 public:
  BatchDialog(LogFileConverter converter, FolderOpener openFolder)
      : run_(std::move(converter)), openFolder_(std::move(openFolder)) {}

  INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_INITDIALOG:
        Open(dialog);
        return FALSE;  // the focus is set
      case WM_COMMAND:
        return Command(LOWORD(wParam));
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != IDC_RESULTS || header->code != NM_DBLCLK) return FALSE;
        OpenResultFolder(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
        return TRUE;
      }
      case WM_DROPFILES: {
        auto drop = reinterpret_cast<HDROP>(wParam);
        if (!run_.IsRunning()) {
          ResetProgress();
          model_.AddFiles(DroppedFiles(drop));
          ShowFiles();
        }
        ::DragFinish(drop);
        return TRUE;
      }
      case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kAboutCommand) {
          RunAboutDialog(dialog);
          return TRUE;
        }
        return FALSE;
      case WM_CLOSE:
        if (!run_.IsRunning()) ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      case WM_TIMER:
        if (wParam == kTimer) Tick();
        return TRUE;
      case kRunStarted:
        ::SendDlgItemMessageA(dialog, IDC_OVERALL_PROGRESS, PBM_SETRANGE32, 0, lParam);
        return TRUE;
      case kFileStarted:
        SetControlText(dialog, IDC_STATUS, reinterpret_cast<const FileEntry*>(lParam)->fileName);
        ::UpdateWindow(::GetDlgItem(dialog, IDC_STATUS));
        return TRUE;
      case kFileFinished:
        ::SendDlgItemMessageA(dialog, IDC_OVERALL_PROGRESS, PBM_SETPOS, wParam, 0);
        ::InvalidateRect(dialog, nullptr, FALSE);
        return TRUE;
      case WM_DESTROY:
        model_.StoreSettings();
        return FALSE;
      default:
        return FALSE;
    }
  }

  // From the worker thread.
  void RunStarted(int fileCount) override { ::SendMessageA(dialog_, kRunStarted, 0, fileCount); }
  void FileStarted(const FileEntry& file) override {
    ::SendMessageA(dialog_, kFileStarted, 0, reinterpret_cast<LPARAM>(&file));
  }
  void FileFinished(int filesDone) override {
    ::SendMessageA(dialog_, kFileFinished, static_cast<WPARAM>(filesDone), 0);
  }

  // A run still going when the window is gone (the process is ending) is cancelled and waited for.
  void EndRun() {
    if (!run_.IsRunning()) return;
    run_.RequestCancel();
    run_.Collect();
  }

 private:
  void Open(HWND dialog) {
    dialog_ = dialog;
    HMENU system = ::GetSystemMenu(dialog, FALSE);
    ::AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(system, MF_STRING, kAboutCommand, "About Pelcon");
    for (const auto& [kind, size] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
      const int pixels = ::GetSystemMetrics(size);
      HANDLE icon = ::LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_PELCON), IMAGE_ICON, pixels,
                                 pixels, LR_DEFAULTCOLOR | LR_SHARED);
      ::SendMessageA(dialog, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
    model_.LoadSettings();
    ShowTemplate();
    fileProgress_.Attach(::GetDlgItem(dialog, IDC_FILE_PROGRESS));
    SetUpResults();
    ResetProgress();
    ::SetWindowTextA(dialog, "Tarvel Pelcon");
    SetControlText(dialog, IDC_VERSION, VersionText());
    ::SetFocus(::GetDlgItem(dialog, IDC_CONVERT));
  }

  void ResetProgress() {
    for (int bar : {IDC_FILE_PROGRESS, IDC_OVERALL_PROGRESS}) {
      ::SendDlgItemMessageA(dialog_, bar, PBM_SETRANGE32, 0, 100);
      ::SendDlgItemMessageA(dialog_, bar, PBM_SETPOS, 0, 0);
    }
    SetControlText(dialog_, IDC_STATUS, "");
  }

  void ShowTemplate() { SetControlText(dialog_, IDC_TEMPLATE, model_.TemplateDisplay()); }

  void ShowFiles() {
    std::vector<std::string> names;
    names.reserve(model_.Files().size());
    for (const FileEntry& file : model_.Files()) names.push_back(file.fileName);
    FillList(::GetDlgItem(dialog_, IDC_FILES), names);
  }

  HWND Results() const { return ::GetDlgItem(dialog_, IDC_RESULTS); }

  void SetUpResults() {
    HWND results = Results();
    ::SendMessageA(results, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                   LVS_EX_FULLROWSELECT);
    for (int index = 0; index < static_cast<int>(kResultColumns.size()); ++index) {
      const ResultColumn& column = kResultColumns[static_cast<size_t>(index)];
      RECT width{0, 0, column.width, 0};
      ::MapDialogRect(dialog_, &width);
      const std::string title(column.title);
      LVCOLUMNA header{};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.cx = width.right;
      header.pszText = const_cast<char*>(title.c_str());
      ::SendMessageA(results, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&header));
    }
  }

  void ShowResults() {
    HWND results = Results();
    ::SendMessageA(results, LVM_DELETEALLITEMS, 0, 0);
    int line = 0;
    for (const jobs::FileOutcome& result : model_.Results()) {
      const std::array<std::string, 5> texts = ResultRowTexts(result);
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = line;
      item.pszText = const_cast<char*>(texts[0].c_str());
      ::SendMessageA(results, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      for (int column = 1; column < static_cast<int>(texts.size()); ++column) {
        item.iSubItem = column;
        item.pszText = const_cast<char*>(texts[static_cast<size_t>(column)].c_str());
        ::SendMessageA(results, LVM_SETITEMTEXTA, static_cast<WPARAM>(line),
                       reinterpret_cast<LPARAM>(&item));
      }
      ++line;
    }
  }

  // The first time results exist, the dialog grows by the results strip and shows the list in it;
  // the other controls stay where they are.
  void RevealResults() {
    HWND results = Results();
    if ((::GetWindowLongA(results, GWL_STYLE) & WS_VISIBLE) != 0 || model_.Results().empty())
      return;
    RECT band{0, kBatchDialogHeight, 0, kBatchDialogHeight + kResultsBand};
    ::MapDialogRect(dialog_, &band);
    RECT frame{};
    ::GetWindowRect(dialog_, &frame);
    ::SetWindowPos(dialog_, nullptr, 0, 0, frame.right - frame.left,
                   frame.bottom - frame.top + band.bottom - band.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(results, SW_SHOWNA);
  }

  void OpenResultFolder(int line) {
    const std::string folder = model_.ResultFolder(line);
    if (!folder.empty() && openFolder_) openFolder_(folder);
  }

  void SetRunning(bool running) {
    for (int control : kControlsIdleOnly) {
      ::EnableWindow(::GetDlgItem(dialog_, control), running ? FALSE : TRUE);
    }
    SetControlText(dialog_, IDC_CONVERT, running ? "Cancel" : "Convert");
  }

  INT_PTR Command(int control) {
    if (control == IDC_CONVERT && run_.IsRunning()) {
      run_.RequestCancel();
      return TRUE;
    }
    switch (control) {
      case IDC_NEW:
        ResetProgress();
        model_.NewTemplate();
        ShowTemplate();
        return TRUE;
      case IDC_EDIT:
        ResetProgress();
        model_.EditTemplate();
        return TRUE;
      case IDC_OPEN:
        ResetProgress();
        model_.OpenTemplate();
        ShowTemplate();
        return TRUE;
      case IDC_ADD:
        ResetProgress();
        model_.AddFiles(
            RunFileDialog(dialog_, model_.AddFilesRequest(), FileDialogMode::kOpenMany));
        ShowFiles();
        return TRUE;
      case IDC_REMOVE:
        ResetProgress();
        model_.RemoveFiles(SelectedLines(::GetDlgItem(dialog_, IDC_FILES)));
        ShowFiles();
        return TRUE;
      case IDC_CONVERT:
        ResetProgress();
        if (!model_.ReadyToConvert()) return TRUE;
        model_.KeepResults({});
        ShowResults();
        SetRunning(true);
        run_.Start(model_.Files(), model_.TemplatePath(), &fileProgress_, this);
        ::SetTimer(dialog_, kTimer, kTimerMilliseconds, nullptr);
        return TRUE;
      case IDC_COMPLETION:
        platform::ShowNotice(completion_, platform::NoticeIcon::kInformation);
        return TRUE;
      case IDC_CLOSE:
      case IDCANCEL:  // Escape
        if (!run_.IsRunning()) ::EndDialog(dialog_, IDCANCEL);
        return TRUE;
      default:
        return FALSE;
    }
  }

  void Tick() {
    if (!run_.WorkerFinished()) return;
    ::KillTimer(dialog_, kTimer);
    BatchOutcome outcome = run_.Collect();
    completion_ = CompletionMessage(outcome);
    model_.KeepResults(std::move(outcome.files));
    ShowResults();
    RevealResults();
    SetRunning(false);
    ResetProgress();
    ::PostMessageA(dialog_, WM_COMMAND, IDC_COMPLETION, 0);
  }

  BatchDialogModel model_;
  BatchRun run_;
  FolderOpener openFolder_;
  std::string completion_;  // the message of the run that ended last
  ProgressBarSink fileProgress_;
  HWND dialog_ = nullptr;
};

INT_PTR CALLBACK BatchProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* state = reinterpret_cast<BatchDialog*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  return state != nullptr ? state->Handle(dialog, message, wParam, lParam) : FALSE;
}

}  // namespace

void OpenWithShell(const std::string& folder) {
  // Values above 32 mean success.
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) TellFolderNotOpened(folder);
}

void RunBatchDialog(LogFileConverter converter, FolderOpener openFolder) {
  BatchDialog state(std::move(converter), std::move(openFolder));
  ::DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PELCON_BATCH), nullptr, BatchProcedure,
                    reinterpret_cast<LPARAM>(&state));
  state.EndRun();
}

}  // namespace pelcon::ui::win32
