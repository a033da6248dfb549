#pragma once

#include "component/template_dialogs.hpp"

namespace pelcon::ui {

// The template operations' windows: the column selection dialog and the toolkit's file dialogs,
// over whichever dialog is active.
class QtTemplateDialogs final : public TemplateDialogs {
 public:
  ResultCode EditColumns(TemplateContent& content, TemplateEditMode mode) override;
  std::optional<std::string> AskSavePath(const FileDialogRequest& request) override;
  std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override;
};

}  // namespace pelcon::ui
