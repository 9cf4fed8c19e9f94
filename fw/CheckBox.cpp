#include "fw/CheckBox.h"

namespace qw {

TCheckBox::TCheckBox() {
  TabStop = true;
  ControlStyle &= ~csClickEvents;
  FParentColor = true;
  FWidth = 97;
  FHeight = 17;
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"BUTTON";
  params.SystemClass = true;
  params.Style |= BS_CHECKBOX;
}

void TCheckBox::CreateWindowHandleDone() { SendMessageW(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0); }

void TCheckBox::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  if (FHandle) SendMessageW(FHandle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  Perform(FW_CHANGED);
  if (!IsLoading()) Click();
}

void TCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED || HIWORD(message.WParam) == BN_DOUBLECLICKED) SetChecked(!FChecked);
      return;
    case WM_LBUTTONDBLCLK:
      // A quick second click toggles again rather than counting as a double click.
      message.Msg = WM_LBUTTONDOWN;
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace qw
