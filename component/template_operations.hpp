#pragma once

#include <string>

#include "component/template_dialogs.hpp"
#include "export/export_template.hpp"
#include "export/result_codes.hpp"

namespace pelcon {

// The interactive operations on a template. They open windows through the installed
// TemplateDialogs; without one they show a notice and return kResultFail.

// Runs the column selection dialog on a copy of the template's content. On OK the content is
// taken over and, in edit mode, written back to the template's own path (a failed write has shown
// its message and is not returned). kResultOk or kResultCancelled; the template is untouched on
// cancel.
ResultCode Edit(ExportTemplate& exportTemplate, TemplateEditMode mode);

// Edits in create mode, then asks where to save. kResultOk, kResultCancelled (editor or save
// dialog) or the result of the save.
ResultCode CreateNew(ExportTemplate& exportTemplate);

// Lets the user choose an existing template file, starting from the given path. On success the
// path receives the choice. kResultOk, kResultCancelled, or kResultFail after "Invalid template
// file selected" when the file chosen is not a ".bft" file.
ResultCode BrowseTemplateFile(std::string& path);

// The file dialog filter of template files.
inline constexpr std::string_view kTemplateFilterName = "Template Files (*.bft)";
inline constexpr std::string_view kTemplateFilterPattern = "*.bft";
inline constexpr std::string_view kTemplateExtension = "bft";

}  // namespace pelcon
