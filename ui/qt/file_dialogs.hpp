#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "component/template_dialogs.hpp"

namespace pelcon::ui {

enum class FileDialogMode {
  kOpenOne,   // one existing file
  kOpenMany,  // several existing files
  kSave,      // a new or existing file in an existing folder; asks before overwriting
};

// Shows the file dialog described by the request; the chosen full paths, none when cancelled.
std::vector<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                       FileDialogMode mode);

}  // namespace pelcon::ui
