#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "component/template_dialogs.hpp"

namespace pelcon::testing {

// Stands in for the windows: the editor applies a scripted change and answers OK or Cancel, the
// file dialogs answer a scripted path or cancel. Installed while it lives.
class FakeTemplateDialogs final : public TemplateDialogs {
 public:
  FakeTemplateDialogs() : installation_(*this) {}

  ResultCode EditColumns(TemplateContent& content, TemplateEditMode mode) override {
    shownContent = content;
    modes.push_back(mode);
    if (edit) edit(content);
    return editorAnswer;
  }
  std::optional<std::string> AskSavePath(const FileDialogRequest& request) override {
    requests.push_back(request);
    return savePath;
  }
  std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override {
    requests.push_back(request);
    return openPath;
  }

  std::function<void(TemplateContent&)> edit;
  ResultCode editorAnswer = kResultOk;
  std::optional<std::string> savePath;
  std::optional<std::string> openPath;

  TemplateContent shownContent;
  std::vector<TemplateEditMode> modes;
  std::vector<FileDialogRequest> requests;

 private:
  ScopedTemplateDialogs installation_;
};

}  // namespace pelcon::testing
