#include "ui/win32/about_dialog.hpp"

#include "export/settings.hpp"
#include "ui/win32/dialog_helpers.hpp"
#include "ui/win32/resource_ids.h"

namespace pelcon::ui::win32 {
namespace {

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowTextA(dialog, "About Pelcon");
      SetControlText(dialog, IDC_ABOUT_VERSION_LABEL, "Version:");
      SetControlText(dialog, IDC_ABOUT_VERSION, VersionText());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

void RunAboutDialog(HWND owner) {
  ::DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PELCON_ABOUT), owner, AboutProcedure, 0);
}

}  // namespace pelcon::ui::win32
