// Drives the component library's dialogs the way a person would and checks what they show: opens
// the batch dialog through the component interface, reads control texts and states, opens the
// about box and the column selection dialog, presses buttons, runs and cancels a conversion, and
// saves a picture of each dialog. Notices go to the notice log (PELCON_NOTICE_LOG), which the
// checks read.
//
//   pelcon_dialog_client <TarvelPelcon.dll> <picture folder> <template.bft> <log file>...

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "component/ipelcon.hpp"
#include "platform/registry.hpp"
#include "ui/win32/resource_ids.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool condition, const std::string& what) {
  if (condition) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HWND WaitForWindow(const char* caption, int seconds = 20) {
  for (int i = 0; i < seconds * 20; ++i) {
    if (HWND window = ::FindWindowA("#32770", caption);
        window != nullptr && ::IsWindowVisible(window))
      return window;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return nullptr;
}

bool WaitUntil(const auto& condition, int seconds = 20) {
  for (int i = 0; i < seconds * 20; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

std::string Text(HWND dialog, int control) {
  char text[512] = {};
  ::GetDlgItemTextA(dialog, control, text, sizeof text);
  return text;
}

bool Enabled(HWND dialog, int control) {
  return ::IsWindowEnabled(::GetDlgItem(dialog, control)) != FALSE;
}

void Press(HWND dialog, int control) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, control)));
}

// Saves what the screen shows of the window as a 24-bit BMP file.
void Picture(HWND window, const std::string& path) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  RECT area{};
  ::GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP image = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = ::SelectObject(memory, image);
  ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ::SelectObject(memory, previous);
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD dataBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + dataBytes),
      0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  info.bmiHeader.biSizeImage = dataBytes;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), dataBytes);
  ::DeleteObject(image);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

// Whether a control of the dialog sits at the rectangle given in dialog units, each of the four
// numbers mapped on its own as the dialog was made.
bool At(HWND dialog, int control, int x, int y, int width, int height) {
  RECT units{x, y, width, height};
  ::MapDialogRect(dialog, &units);
  RECT actual{};
  ::GetWindowRect(::GetDlgItem(dialog, control), &actual);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
  return actual.left == units.left && actual.top == units.top &&
         actual.right - actual.left == units.right && actual.bottom - actual.top == units.bottom;
}

// The batch dialog's controls at their places in dialog units, as its layout table gives them.
constexpr struct {
  int control;
  int x, y, width, height;
} kBatchLayout[] = {{IDC_TEMPLATE_LABEL, 7, 8, 75, 8},
                    {IDC_TEMPLATE, 7, 17, 236, 12},
                    {IDC_NEW, 7, 32, 50, 14},
                    {IDC_EDIT, 64, 32, 50, 14},
                    {IDC_OPEN, 193, 32, 50, 14},
                    {IDC_FILES_LABEL, 7, 57, 88, 8},
                    {IDC_FILES, 7, 68, 236, 117},
                    {IDC_ADD, 7, 188, 50, 14},
                    {IDC_REMOVE, 61, 188, 50, 14},
                    {IDC_CONVERT, 190, 188, 50, 14},
                    {IDC_STATUS, 7, 207, 236, 12},
                    {IDC_FILE_PROGRESS, 7, 223, 236, 6},
                    {IDC_OVERALL_PROGRESS, 7, 228, 236, 14},
                    {IDC_VERSION_LABEL, 7, 250, 27, 8},
                    {IDC_VERSION, 40, 250, 35, 8},
                    {IDC_CLOSE, 193, 244, 50, 14}};

// Every laid-out control in its place and the client area 250 units wide and the height tall.
void CheckBatchLayout(HWND batch, int height, const std::string& when) {
  RECT size{0, 0, 250, height};
  ::MapDialogRect(batch, &size);
  RECT client{};
  ::GetClientRect(batch, &client);
  Check(client.right == size.right && client.bottom == size.bottom,
        "the batch dialog is 250 by " + std::to_string(height) + " units " + when);
  for (const auto& placed : kBatchLayout) {
    Check(At(batch, placed.control, placed.x, placed.y, placed.width, placed.height),
          "control " + std::to_string(placed.control) + " at its place " + when);
  }
}

bool Shown(HWND dialog, int control) {
  return (::GetWindowLongA(::GetDlgItem(dialog, control), GWL_STYLE) & WS_VISIBLE) != 0;
}

// Fills the open dialog's file name box with the files and presses Open.
bool ChooseFiles(const std::vector<std::string>& files) {
  HWND chooser = WaitForWindow("Add Binary Files To Convert");
  if (chooser == nullptr) return false;
  std::string names;
  for (const std::string& file : files) names += "\"" + file + "\" ";
  // The file name box: a combo box in the explorer-style dialog, an edit box in the old one.
  if (!::SetDlgItemTextA(chooser, 0x47c, names.c_str()))
    ::SetDlgItemTextA(chooser, 0x480, names.c_str());
  Press(chooser, IDOK);
  return WaitUntil([&] { return !::IsWindow(chooser); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: %s library picture-folder template log-file...\n", argv[0]);
    return 2;
  }
  const std::string library = argv[1];
  const std::string pictures = argv[2];
  const std::string templatePath = argv[3];
  const std::vector<std::string> logFiles(argv + 4, argv + argc);
  const char* noticeLog = std::getenv("PELCON_NOTICE_LOG");
  if (noticeLog == nullptr) {
    std::fprintf(stderr, "PELCON_NOTICE_LOG must name the notice log\n");
    return 2;
  }
  const auto notices = [&] { return ReadFile(noticeLog); };
  pelcon::platform::WriteRegistryString("HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon",
                                        "Template PathFile", templatePath);
  const std::string templateBefore = ReadFile(templatePath);

  HRESULT dialogResult = E_FAIL;
  bool dialogEnded = false;
  std::thread client([&] {
    ::CoInitialize(nullptr);
    HMODULE module = ::LoadLibraryA(library.c_str());
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    pelcon::IPelcon* component = nullptr;
    if (getClassObject != nullptr &&
        SUCCEEDED(getClassObject(pelcon::kClsidCoPelcon, IID_IClassFactory,
                                 reinterpret_cast<void**>(&factory)))) {
      factory->CreateInstance(nullptr, pelcon::kIidIPelcon, reinterpret_cast<void**>(&component));
      factory->Release();
    }
    if (component != nullptr) {
      dialogResult = component->UIConvertFiles();
      component->Release();
    }
    dialogEnded = true;
    ::CoUninitialize();
  });

  HWND batch = WaitForWindow("Tarvel Pelcon");
  Check(batch != nullptr, "the batch conversion dialog opens");
  if (batch == nullptr) {
    client.detach();
    std::printf("%d passed, %d failed\n", passed, failed);
    return 1;
  }
  const struct {
    int control;
    const char* text;
  } kBatchTexts[] = {{IDC_TEMPLATE_LABEL, "Template"},
                     {IDC_NEW, "New"},
                     {IDC_EDIT, "Edit"},
                     {IDC_OPEN, "Open"},
                     {IDC_FILES_LABEL, "Files To Convert"},
                     {IDC_ADD, "Add"},
                     {IDC_REMOVE, "Remove"},
                     {IDC_CONVERT, "Convert"},
                     {IDC_VERSION_LABEL, "Version:"},
                     {IDC_VERSION, "1.3.0.2"},
                     {IDC_CLOSE, "Close"}};
  for (const auto& expected : kBatchTexts) {
    Check(Text(batch, expected.control) == expected.text, std::string("batch dialog shows \"") +
                                                              expected.text + "\", not \"" +
                                                              Text(batch, expected.control) + "\"");
  }
  const std::string templateName = templatePath.substr(templatePath.find_last_of("\\/") + 1);
  Check(Text(batch, IDC_TEMPLATE) == templateName, "the template box shows the default template");
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(batch, nullptr), &focus);
  Check(focus.hwndFocus == ::GetDlgItem(batch, IDC_CONVERT), "Convert has the keyboard focus");
  char item[64] = {};
  ::GetMenuStringA(::GetSystemMenu(batch, FALSE), 16, item, sizeof item, MF_BYCOMMAND);
  Check(std::string(item) == "About Pelcon", "the system menu has \"About Pelcon\" as command 16");
  CheckBatchLayout(batch, 266, "on opening");
  Check(!Shown(batch, IDC_RESULTS), "no results list before a run");
  Picture(batch, pictures + "\\batch_dialog_win32.bmp");

  // The about box from the system menu.
  ::PostMessageA(batch, WM_SYSCOMMAND, 16, 0);
  HWND about = WaitForWindow("About Pelcon");
  Check(about != nullptr, "the system menu opens the about box");
  if (about != nullptr) {
    Check(Text(about, IDC_ABOUT_VERSION_LABEL) == "Version:", "about box: \"Version:\"");
    Check(Text(about, IDC_ABOUT_VERSION) == "1.3.0.2", "about box: the version text");
    Picture(about, pictures + "\\about_box_win32.bmp");
    Press(about, IDOK);
    Check(WaitUntil([&] { return !::IsWindow(about); }), "OK closes the about box");
  }

  // The column selection dialog from Edit, on the default template.
  Press(batch, IDC_EDIT);
  HWND columns = WaitForWindow("Edit Template File");
  Check(columns != nullptr, "Edit opens the column selection dialog");
  if (columns != nullptr) {
    HWND available = ::GetDlgItem(columns, IDC_AVAILABLE);
    HWND current = ::GetDlgItem(columns, IDC_CURRENT);
    Check(::SendMessageA(available, LB_GETCOUNT, 0, 0) == 54, "54 available value names");
    const LRESULT before = ::SendMessageA(current, LB_GETCOUNT, 0, 0);
    Check(before > 0, "the template's columns are listed");
    Check(Text(columns, IDC_COLUMN_ADD) == "Add -->" &&
              Text(columns, IDC_COLUMN_REMOVE) == "<-- Remove",
          "the Add and Remove buttons");
    // The template holds every name already, so Add leaves the two selected ones out.
    ::SendMessageA(available, LB_SETSEL, TRUE, 0);
    ::SendMessageA(available, LB_SETSEL, TRUE, 1);
    Press(columns, IDC_COLUMN_ADD);
    Check(WaitUntil([&] { return ::SendMessageA(available, LB_GETSELCOUNT, 0, 0) == 0; }),
          "Add clears the available selection");
    Check(::SendMessageA(current, LB_GETCOUNT, 0, 0) == before,
          "Add leaves out names the template already has");
    // The last entry moved up one place, then taken off with a double click.
    ::SendMessageA(current, LB_SETSEL, TRUE, before - 1);
    Press(columns, IDC_UP);
    Check(WaitUntil([&] { return ::SendMessageA(current, LB_GETSEL, before - 2, 0) > 0; }),
          "the up arrow moves the selected entry and keeps it selected");
    ::SendMessageA(current, LB_SETCARETINDEX, static_cast<WPARAM>(before - 2), FALSE);
    ::PostMessageA(columns, WM_COMMAND, MAKEWPARAM(IDC_CURRENT, LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(current));
    Check(WaitUntil([&] { return ::SendMessageA(current, LB_GETCOUNT, 0, 0) == before - 1; }),
          "a double click takes a column off the current list");
    Picture(columns, pictures + "\\column_selection_dialog_win32.bmp");
    Press(columns, IDCANCEL);
    Check(WaitUntil([&] { return !::IsWindow(columns); }),
          "Cancel closes the column selection dialog");
    Check(ReadFile(templatePath) == templateBefore, "Cancel leaves the template file as it was");
  }

  // Convert without files says so and starts nothing.
  std::ofstream(noticeLog, std::ios::trunc).close();
  Press(batch, IDC_CONVERT);
  Check(WaitUntil([&] { return notices() == "exclamation\tTarvel Pelcon: No files selected\n"; }),
        "Convert with an empty list shows \"No files selected\", not: " + notices());

  // A run over the files, cancelled at once.
  Press(batch, IDC_ADD);
  Check(ChooseFiles(logFiles), "the add-files dialog takes the files");
  Check(WaitUntil([&] {
          return ::SendDlgItemMessageA(batch, IDC_FILES, LB_GETCOUNT, 0, 0) ==
                 static_cast<LRESULT>(logFiles.size());
        }),
        "every chosen file is listed");
  std::ofstream(noticeLog, std::ios::trunc).close();
  Press(batch, IDC_CONVERT);
  Check(WaitUntil([&] { return Text(batch, IDC_CONVERT) == "Cancel"; }), "Convert becomes Cancel");
  const bool lockedDuringRun = !Enabled(batch, IDC_ADD) && !Enabled(batch, IDC_CLOSE) &&
                               !Enabled(batch, IDC_FILES) && Enabled(batch, IDC_CONVERT);
  Press(batch, IDC_CONVERT);
  Check(WaitUntil([&] { return Text(batch, IDC_CONVERT) == "Convert"; }), "the run ends");
  Check(WaitUntil([&] { return !notices().empty(); }), "the run ends with a message");
  const std::string ending = notices();
  const std::string count = std::to_string(logFiles.size());
  const std::string counted = " of " + count + " files converted\n";
  Check((ending.starts_with("information\tTarvel Pelcon: Conversion cancelled\n") &&
         ending.ends_with(counted)) ||
            ending == "information\tTarvel Pelcon: Conversion complete\n" + count + counted,
        "the run ends with its message and the files converted, not: " + ending);
  // The results list in a strip of its own below the controls, which stay where they were.
  Check(Shown(batch, IDC_RESULTS) && At(batch, IDC_RESULTS, 7, 266, 236, 68),
        "the results list shows below the controls after the run");
  CheckBatchLayout(batch, 338, "after the run");
  // One results line per file. Cancelled at once, the first file may have been converted, cut
  // short or not begun; a failure is the only wrong answer.
  HWND results = ::GetDlgItem(batch, IDC_RESULTS);
  Check(::SendMessageA(results, LVM_GETITEMCOUNT, 0, 0) == static_cast<LRESULT>(logFiles.size()),
        "the results list has a line per file");
  char status[32] = {};
  LVITEMA cell{};
  cell.iSubItem = 1;
  cell.pszText = status;
  cell.cchTextMax = sizeof status;
  ::SendMessageA(results, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&cell));
  const std::string first(status);
  Check(first == "converted" || first == "cancelled" || first == "not reached",
        "the first file's result, not: " + first);
  // A run of small files may end before Cancel reaches it; then only the lock can be checked.
  if (ending.find("cancelled") != std::string::npos) {
    Check(lockedDuringRun, "only Cancel is enabled during a run");
  }
  Check(Enabled(batch, IDC_ADD) && Enabled(batch, IDC_CLOSE),
        "the controls come back after the run");

  // Enter on the list presses Convert, the default button, and the dialog stays with its list.
  Check(LOWORD(::SendMessageA(batch, DM_GETDEFID, 0, 0)) == IDC_CONVERT,
        "Convert is the default button");
  std::ofstream(noticeLog, std::ios::trunc).close();
  HWND list = ::GetDlgItem(batch, IDC_FILES);
  ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageA(list, WM_KEYUP, VK_RETURN, 0);
  Check(WaitUntil([&] { return !notices().empty(); }), "Enter on the list runs a conversion");
  Check(!dialogEnded &&
            ::SendMessageA(list, LB_GETCOUNT, 0, 0) == static_cast<LRESULT>(logFiles.size()),
        "Enter leaves the dialog open with its list");
  Check(WaitUntil([&] { return Enabled(batch, IDC_CLOSE); }), "the Enter run ends");
  CheckBatchLayout(batch, 338, "after a second run");

  Press(batch, IDC_CLOSE);
  Check(WaitUntil([&] { return dialogEnded; }), "Close ends the dialog");
  client.join();
  Check(dialogResult == S_OK, "UIConvertFiles returns 0");
  const auto stored = pelcon::platform::ReadRegistryString(
      "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon", "Template PathFile");
  Check(stored.value_or("") == templatePath, "closing stores the template as the default");

  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
