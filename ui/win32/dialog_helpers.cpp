#include "ui/win32/dialog_helpers.hpp"

namespace pelcon::ui::win32 {

HINSTANCE ResourceModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<const char*>(&ResourceModule), &module);
  return module;
}

std::string ControlText(HWND dialog, int control) {
  HWND window = ::GetDlgItem(dialog, control);
  const int length = ::GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

void SetControlText(HWND dialog, int control, const std::string& text) {
  ::SetDlgItemTextA(dialog, control, text.c_str());
}

std::vector<int> SelectedLines(HWND list) {
  const LRESULT count = ::SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> lines(static_cast<std::size_t>(count));
  const LRESULT got = ::SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(lines.data()));
  lines.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return lines;
}

void FillList(HWND list, const std::vector<std::string>& lines) {
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : lines) {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

}  // namespace pelcon::ui::win32
