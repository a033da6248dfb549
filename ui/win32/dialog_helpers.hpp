#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pelcon::ui::win32 {

// The module that holds the dialog resources: the component library, not the program.
HINSTANCE ResourceModule();

std::string ControlText(HWND dialog, int control);
void SetControlText(HWND dialog, int control, const std::string& text);

// The selected lines of a list box with extended selection, ascending; nothing when the list
// cannot tell.
std::vector<int> SelectedLines(HWND list);
void FillList(HWND list, const std::vector<std::string>& lines);

}  // namespace pelcon::ui::win32
