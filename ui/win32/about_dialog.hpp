#pragma once

#include <windows.h>

namespace pelcon::ui::win32 {

// The about box, modal over owner.
void RunAboutDialog(HWND owner);

}  // namespace pelcon::ui::win32
