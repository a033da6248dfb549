#include "ui/folder_opener.hpp"

#include "platform/notifier.hpp"

namespace pelcon::ui {

void TellFolderNotOpened(const std::string& folder) {
  platform::ShowNotice("Unable to open the folder\n" + folder, platform::NoticeIcon::kExclamation);
}

}  // namespace pelcon::ui
