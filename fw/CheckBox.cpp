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
  // Three states to show, none changed by the system: the clicks come back here.
  params.Style |= BS_3STATE;
}

void TCheckBox::CreateWindowHandleDone() { ShowCheckMark(); }

void TCheckBox::ShowCheckMark() {
  static_assert(cbUnchecked == BST_UNCHECKED && cbChecked == BST_CHECKED && cbGrayed == BST_INDETERMINATE);
  if (!FHandle) return;
  TMessage message{BM_SETCHECK, FState, 0, 0};
  DefaultHandler(message);
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == FState) return;
  FState = state;
  ShowCheckMark();
  Perform(FW_CHANGED);
  if (!IsLoading()) Click();
}

void TCheckBox::SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }

void TCheckBox::Toggle() { SetState(ToggledCheckState(FState, AllowGrayed)); }

void TCheckBox::CNCommand(UINT notifyCode) {
  if (notifyCode == BN_CLICKED || notifyCode == BN_DOUBLECLICKED) Toggle();
}

void TCheckBox::BMSetCheck(TMessage& message, WPARAM check) {
  // Whoever sets the check through the window sets the control's state; the window follows from it.
  SetState(check == BST_UNCHECKED ? cbUnchecked : check == BST_CHECKED ? cbChecked : cbGrayed);
  message.Result = 0;
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
    case BM_SETCHECK:
      return BMSetCheck(message, message.WParam);
    case BM_GETCHECK:
      message.Result = FState;
      return;
    default:
      return TWinControl::WndProc(message);
  }
}

}  // namespace qw
