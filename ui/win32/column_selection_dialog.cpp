#include "ui/win32/column_selection_dialog.hpp"

#include <array>
#include <span>

#include "ui/column_list_model.hpp"
#include "ui/win32/dialog_helpers.hpp"
#include "ui/win32/resource_ids.h"

namespace pelcon::ui::win32 {
namespace {

struct SectionBox {
  int control;
  bool TemplateSections::*flag;
};

constexpr std::array<SectionBox, 4> kSectionBoxes = {{
    {IDC_GENERAL_INFO, &TemplateSections::generalInfo},
    {IDC_DEVICE_INFO, &TemplateSections::deviceInfo},
    {IDC_TEST_INFO, &TemplateSections::testInfo},
    {IDC_TEST_DEFINITION, &TemplateSections::testDefinition},
}};

// The images of one arrow button: normal, pressed, disabled.
using ArrowImages = std::array<HBITMAP, 3>;

class ColumnSelectionDialog {
 public:
  ColumnSelectionDialog(TemplateContent& content, TemplateEditMode mode)
      : content_(content), values_(content), mode_(mode), model_(content.columns) {}

  INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_INITDIALOG:
        Open(dialog);
        return TRUE;
      case WM_DRAWITEM:
        DrawArrow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      case WM_COMMAND:
        return Command(dialog, LOWORD(wParam), HIWORD(wParam));
      case WM_VKEYTOITEM:
        // Delete on the current list removes its selected columns; other keys do what they do.
        if (LOWORD(wParam) == VK_DELETE && reinterpret_cast<HWND>(lParam) == List(IDC_CURRENT)) {
          Command(dialog, IDC_COLUMN_REMOVE, BN_CLICKED);
          return -2;
        }
        return -1;
      case WM_DESTROY:
        for (const ArrowImages* images : {&up_, &down_}) {
          for (HBITMAP image : *images) ::DeleteObject(image);
        }
        return FALSE;
      default:
        return FALSE;
    }
  }

 private:
  void Open(HWND dialog) {
    dialog_ = dialog;
    ::SetWindowTextA(dialog, mode_ == TemplateEditMode::kCreate ? "Create New Template File"
                                                                : "Edit Template File");
    FillList(List(IDC_AVAILABLE), ColumnListModel::AvailableNames());
    FillList(List(IDC_CURRENT), model_.Current());
    SetControlText(dialog, IDC_SEPARATOR, values_.separator);
    SetControlText(dialog, IDC_EMPTY_FIELD, values_.emptyFieldText);
    for (const SectionBox& box : kSectionBoxes) {
      ::CheckDlgButton(dialog, box.control,
                       values_.sections.*box.flag ? BST_CHECKED : BST_UNCHECKED);
    }
    up_ = LoadArrows(IDB_ARROW_UP, IDB_ARROW_UP_PRESSED, IDB_ARROW_UP_DISABLED);
    down_ = LoadArrows(IDB_ARROW_DOWN, IDB_ARROW_DOWN_PRESSED, IDB_ARROW_DOWN_DISABLED);
  }

  static ArrowImages LoadArrows(int normal, int pressed, int disabled) {
    ArrowImages images{};
    const std::array<int, 3> ids = {normal, pressed, disabled};
    for (std::size_t i = 0; i < ids.size(); ++i) {
      images[i] = static_cast<HBITMAP>(::LoadImageA(ResourceModule(), MAKEINTRESOURCEA(ids[i]),
                                                    IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    }
    return images;
  }

  void DrawArrow(const DRAWITEMSTRUCT& item) {
    const ArrowImages& images = item.CtlID == IDC_UP ? up_ : down_;
    HBITMAP image = images[0];
    if ((item.itemState & ODS_DISABLED) != 0) {
      image = images[2];
    } else if ((item.itemState & ODS_SELECTED) != 0) {
      image = images[1];
    }
    BITMAP size{};
    ::GetObjectA(image, sizeof size, &size);
    HDC source = ::CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = ::SelectObject(source, image);
    ::StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
                 item.rcItem.bottom - item.rcItem.top, source, 0, 0, size.bmWidth, size.bmHeight,
                 SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    if ((item.itemState & ODS_FOCUS) != 0) {
      RECT focus = item.rcItem;
      ::InflateRect(&focus, -2, -2);
      ::DrawFocusRect(item.hDC, &focus);
    }
  }

  HWND List(int control) const { return ::GetDlgItem(dialog_, control); }

  // Every command first takes the edit and check boxes back into the values.
  void ReadValues() {
    values_.separator = ControlText(dialog_, IDC_SEPARATOR);
    values_.emptyFieldText = ControlText(dialog_, IDC_EMPTY_FIELD);
    for (const SectionBox& box : kSectionBoxes) {
      values_.sections.*box.flag = ::IsDlgButtonChecked(dialog_, box.control) == BST_CHECKED;
    }
  }

  void ShowCurrent(std::span<const int> selection) {
    HWND list = List(IDC_CURRENT);
    FillList(list, model_.Current());
    for (int line : selection) ::SendMessageA(list, LB_SETSEL, TRUE, line);
  }

  INT_PTR Command(HWND dialog, int control, int notification) {
    switch (control) {
      case IDC_AVAILABLE:
        if (notification != LBN_DBLCLK) return FALSE;
        [[fallthrough]];
      case IDC_COLUMN_ADD: {
        ReadValues();
        if (model_.Add(SelectedLines(List(IDC_AVAILABLE))) > 0) ::MessageBeep(MB_OK);
        ::SendMessageA(List(IDC_AVAILABLE), LB_SETSEL, FALSE, -1);
        ShowCurrent({});
        return TRUE;
      }
      case IDC_CURRENT: {
        // A double click takes the column under the pointer off the list.
        if (notification != LBN_DBLCLK) return FALSE;
        ReadValues();
        const int line =
            static_cast<int>(::SendMessageA(List(IDC_CURRENT), LB_GETCARETINDEX, 0, 0));
        model_.Remove(std::span<const int>(&line, 1));
        ShowCurrent({});
        return TRUE;
      }
      case IDC_COLUMN_REMOVE:
        ReadValues();
        model_.Remove(SelectedLines(List(IDC_CURRENT)));
        ShowCurrent({});
        return TRUE;
      case IDC_UP:
        ReadValues();
        ShowCurrent(model_.MoveUp(SelectedLines(List(IDC_CURRENT))));
        return TRUE;
      case IDC_DOWN:
        ReadValues();
        ShowCurrent(model_.MoveDown(SelectedLines(List(IDC_CURRENT))));
        return TRUE;
      case IDOK:
        ReadValues();
        values_.columns = model_.Current();
        content_ = values_;
        ::EndDialog(dialog, IDOK);
        return TRUE;
      case IDCANCEL:
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      default:
        return FALSE;
    }
  }

  TemplateContent& content_;
  TemplateContent values_;
  TemplateEditMode mode_;
  ColumnListModel model_;
  HWND dialog_ = nullptr;
  ArrowImages up_{};
  ArrowImages down_{};
};

INT_PTR CALLBACK ColumnProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* state = reinterpret_cast<ColumnSelectionDialog*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  return state != nullptr ? state->Handle(dialog, message, wParam, lParam) : FALSE;
}

}  // namespace

ResultCode RunColumnSelectionDialog(HWND owner, TemplateContent& content, TemplateEditMode mode) {
  ColumnSelectionDialog state(content, mode);
  const INT_PTR result =
      ::DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PELCON_COLUMNS), owner,
                        ColumnProcedure, reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? kResultOk : kResultCancelled;
}

}  // namespace pelcon::ui::win32
