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
  if (OnChange) OnChange(this);
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    Change();
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace qw
