#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "component/template_dialogs.hpp"

namespace pelcon::ui::win32 {

enum class FileDialogMode { kOpenOne, kOpenMany, kSave };

// The platform's open or save dialog for the request, owned by owner. The chosen full paths;
// none when the user cancels.
std::vector<std::string> RunFileDialog(HWND owner, const FileDialogRequest& request,
                                       FileDialogMode mode);

// What the open dialog returns for a multiple selection: the folder, then the file names, each
// ended by a zero, with a second zero at the end; a single choice is its full path alone.
std::vector<std::string> SplitSelection(const char* buffer);

}  // namespace pelcon::ui::win32
