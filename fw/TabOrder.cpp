#include "fw/WinControl.h"

#include <algorithm>

#include "fw/Form.h"

// Focus and tab order: which windowed controls take the focus, in which order Tab visits them, and the
// keys the loop gives the focused control first (Tab, Enter, Escape).

namespace qw {

bool TWinControl::CanFocus() const { return FHandle && Showing() && EnabledChain(); }

bool TWinControl::Focused() const {
  HWND focus = GetFocus();
  return focus && FindControl(focus) == this;
}

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  std::vector<TWinControl*> children;
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder < b->TabOrder; });
  for (TWinControl* w : children) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<size_t>(i)] == current) start = i;
  if (start < 0) start = forward ? n - 1 : 0;
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c != current && c->TabStop && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward) {
  if (TWinControl* next = FindNextControl(current, forward)) next->SetFocus();
}

void TWinControl::CNKeyDown(TMessage& message, UINT key) {
  message.Result = 0;
  // The menu bar's shortcuts come before what the focused control would make of the key.
  if (TForm* form = GetParentForm(); form && form->IsShortCut(static_cast<WORD>(key))) {
    message.Result = 1;
    return;
  }
  if (key == VK_TAB && !WantsTab() && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    if (TForm* form = GetParentForm()) {
      form->SelectNext(this, GetKeyState(VK_SHIFT) >= 0);
      message.Result = 1;
    }
  }
  if ((key == VK_RETURN || key == VK_ESCAPE) && !FocusWantsKey(key))
    if (TForm* form = GetParentForm()) message.Result = form->Perform(FW_DIALOG_KEY, key, 0);
}

void TWinControl::CNSysKeyDown(TMessage& message, UINT key) {
  TForm* form = GetParentForm();
  message.Result = form && form->IsShortCut(static_cast<WORD>(key)) ? 1 : 0;
}

bool TWinControl::FocusWantsKey(UINT key) {
  HWND focus = GetFocus();
  if (!focus) return false;
  // Asked without the message: an edit given one takes itself for a dialog's and changes its key handling.
  return (SendMessageW(focus, WM_GETDLGCODE, key, 0) & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

}  // namespace qw
