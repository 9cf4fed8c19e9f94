#include "fw/Edit.h"

namespace qw {

TEdit::TEdit() {
  TabStop = true;
  FColor = clWindow;
  FWidth = 121;
  FHeight = 21;
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"EDIT";
  params.SystemClass = true;
  params.Style |= ES_AUTOHSCROLL | (ReadOnly ? ES_READONLY : 0);
  params.ExStyle |= WS_EX_CLIENTEDGE;
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
