#include "ui/win32/file_dialogs.hpp"

#include <commdlg.h>

#include <cstring>

namespace pelcon::ui::win32 {
namespace {

// The add-files dialog's buffer holds this many characters, enough for dozens of names.
constexpr std::size_t kBufferSize = 5000;

}  // namespace

std::vector<std::string> SplitSelection(const char* buffer) {
  std::vector<std::string> parts;
  for (const char* part = buffer; *part != '\0'; part += std::strlen(part) + 1) {
    parts.emplace_back(part);
  }
  if (parts.size() <= 1) return parts;
  std::string folder = parts.front();
  if (folder.back() != '\\') folder.push_back('\\');
  std::vector<std::string> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

std::vector<std::string> RunFileDialog(HWND owner, const FileDialogRequest& request,
                                       FileDialogMode mode) {
  std::string filter = request.filterName;
  filter.push_back('\0');
  filter += request.filterPattern;
  filter.push_back('\0');
  filter.push_back('\0');
  std::string buffer(kBufferSize, '\0');
  request.presetFileName.copy(buffer.data(), kBufferSize - 1);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrInitialDir =
      request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.lpstrDefExt = request.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  bool chosen = false;
  switch (mode) {
    case FileDialogMode::kSave:
      dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
      chosen = ::GetSaveFileNameA(&dialog) != 0;
      break;
    case FileDialogMode::kOpenMany:
      dialog.Flags |= OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;
      chosen = ::GetOpenFileNameA(&dialog) != 0;
      break;
    case FileDialogMode::kOpenOne:
      dialog.Flags |= OFN_FILEMUSTEXIST;
      chosen = ::GetOpenFileNameA(&dialog) != 0;
      break;
  }
  if (!chosen) return {};
  return SplitSelection(buffer.c_str());
}

}  // namespace pelcon::ui::win32
