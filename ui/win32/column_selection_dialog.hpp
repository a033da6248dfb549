#pragma once

#include <windows.h>

#include "component/template_dialogs.hpp"
#include "export/result_codes.hpp"

namespace pelcon::ui::win32 {

// The column selection dialog, modal over owner, on content. kResultOk when it ended with OK
// (content then holds the user's values), kResultCancelled otherwise (content unchanged).
ResultCode RunColumnSelectionDialog(HWND owner, TemplateContent& content, TemplateEditMode mode);

}  // namespace pelcon::ui::win32
