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

void TCheckBox::CreateWindowHandleDone() { ShowCheckMark(); }

void TCheckBox::ShowCheckMark() {
  if (FHandle) SendMessageW(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  ShowCheckMark();
  Perform(FW_CHANGED);
  if (!IsLoading()) Click();
}

void TCheckBox::CNCommand(UINT notifyCode) {
  if (notifyCode == BN_CLICKED || notifyCode == BN_DOUBLECLICKED) SetChecked(!FChecked);
}

void TCheckBox::WMLButtonDblClk(TMessage& message) {
  // A quick second click toggles again rather than counting as a double click.
  message.Msg = WM_LBUTTONDOWN;
  TWinControl::WndProc(message);
}

void TCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      return CNCommand(HiWord(message.WParam));
    case WM_LBUTTONDBLCLK:
      return WMLButtonDblClk(message);
    default:
      return TWinControl::WndProc(message);
  }
}

}  // namespace qw
