#include "fw/ComboBox.h"

#include "fw/Form.h"

namespace qw {

TComboBox::TComboBox() {
  TabStop = true;
  FColor = clWindow;
  FWidth = 145;
  FHeight = 21;
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"COMBOBOX";
  params.SystemClass = true;
  params.Style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
  params.Height = FHeight + DropDownHeight;
}

void TComboBox::CreateWindowHandleDone() {
  for (const auto& item : FItems) SendMessageW(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (FItemIndex >= 0) SendMessageW(FHandle, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  else SetWindowTextW(FHandle, FText.c_str());
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle)
    SetWindowPos(FHandle, nullptr, left, top, width, height + DropDownHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetItems(std::vector<std::wstring> items) {
  FItems = std::move(items);
  if (!FHandle) return;
  SendMessageW(FHandle, CB_RESETCONTENT, 0, 0);
  for (const auto& item : FItems) SendMessageW(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TComboBox::ItemIndex() const {
  if (!FHandle) return FItemIndex;
  return static_cast<int>(SendMessageW(FHandle, CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  FItemIndex = index;
  if (index >= 0 && index < static_cast<int>(FItems.size())) FText = FItems[static_cast<size_t>(index)];
  if (!FHandle) return;
  SendMessageW(FHandle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Perform(FW_TEXT_CHANGED);
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      // The text field and the list inside are the system's; they ask the combo box for colours.
      CNCtlColor(message);
      return;
    case CN_COMMAND:
      switch (HIWORD(message.WParam)) {
        case CBN_SETFOCUS:
          if (TForm* form = GetParentForm()) form->SetFocusedControl(this);
          break;
        case CBN_EDITCHANGE:
        case CBN_SELCHANGE:
          Perform(FW_CHANGED);
          if (OnChange) OnChange(this);
          break;
        default:
          break;
      }
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace qw
