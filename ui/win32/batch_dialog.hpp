#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/batch_run.hpp"
#include "ui/folder_opener.hpp"

namespace pelcon::ui::win32 {

// Opens a folder in the shell's file manager.
void OpenWithShell(const std::string& folder);

// Runs the batch conversion dialog modally with the converter until the user closes it. The
// settings are written as the dialog goes. A double click on a line of the results list opens the
// folder of its output with the opener.
void RunBatchDialog(LogFileConverter converter, FolderOpener openFolder = OpenWithShell);

}  // namespace pelcon::ui::win32
