#pragma once

#include <functional>
#include <string>

namespace pelcon::ui {

// Shows a folder in the desktop's file manager. The dialogs take one so tests can watch what
// would be opened without launching anything.
using FolderOpener = std::function<void(const std::string& folder)>;

// What an opener says when the desktop would not open the folder.
void TellFolderNotOpened(const std::string& folder);

}  // namespace pelcon::ui
