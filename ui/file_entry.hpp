#pragma once

#include <string>

namespace pelcon::ui {

// One log file in the batch dialog's list.
struct FileEntry {
  std::string fullPath;
  std::string fileName;  // what the list shows
  std::string folder;    // with its trailing separator

  bool operator==(const FileEntry&) const = default;
};

}  // namespace pelcon::ui
