#include "fw/Edit.h"

#include <commctrl.h>

namespace qw {

TEdit::TEdit() {
  TabStop = true;
  FColor = clWindow;
  FWidth = 121;
  FHeight = 21;
}

namespace {

DWORD EditAlignmentStyle(TAlignment alignment) {
  switch (alignment) {
    case taCenter: return ES_CENTER;
    case taRightJustify: return ES_RIGHT;
    default: return ES_LEFT;
  }
}

}  // namespace

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"EDIT";
  params.SystemClass = true;
  params.Style |= ES_AUTOHSCROLL | EditAlignmentStyle(Alignment) | (ReadOnly ? ES_READONLY : 0) | (FPasswordChar ? ES_PASSWORD : 0);
  if (CharCase == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (CharCase == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (HasBorder && Ctl3D) params.ExStyle |= WS_EX_CLIENTEDGE;
  else if (HasBorder) params.Style |= WS_BORDER;
}

void TEdit::CreateWindowHandleDone() {
  TWinControl::CreateWindowHandleDone();
  if (FPasswordChar) SendMessageW(FHandle, EM_SETPASSWORDCHAR, FPasswordChar, 0);
  if (!TextHint.empty()) SendMessageW(FHandle, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(TextHint.c_str()));
}

void TEdit::SetPasswordChar(char16_t c) {
  FPasswordChar = c;
  if (!FHandle) return;
  SendMessageW(FHandle, EM_SETPASSWORDCHAR, c, 0);
  Invalidate();
}

void TEdit::Change() {
  Perform(FW_CHANGED);
  CallEvent(OnChange, this);
}

void TEdit::CNCommand(TMessage& message, UINT notifyCode) {
  if (notifyCode == EN_CHANGE) return Change();
  TWinControl::WndProc(message);
}

void TEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      return CNCommand(message, HiWord(message.WParam));
    default:
      return TWinControl::WndProc(message);
  }
}

}  // namespace qw
