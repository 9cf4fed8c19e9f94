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
  params.Style |= CBS_AUTOHSCROLL | WS_VSCROLL;
  switch (FStyle) {
    case csSimple:
      params.Style |= CBS_SIMPLE;
      break;
    case csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
    case csOwnerDrawFixed:
      params.Style |= CBS_DROPDOWN | CBS_OWNERDRAWFIXED;
      break;
    case csOwnerDrawVariable:
      params.Style |= CBS_DROPDOWN | CBS_OWNERDRAWVARIABLE;
      break;
    case csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
  }
  // The simple box's list is always shown: its height is the control's.
  params.Height = FStyle == csSimple ? FHeight : FHeight + DropDownHeight;
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  RecreateWnd();
}

int TComboBox::ItemHeight() const {
  if (IsOwnerDrawStyle() || !FHandle) return FItemHeight;
  return static_cast<int>(SendMessageW(FHandle, CB_GETITEMHEIGHT, 0, 0));
}

void TComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  FItemHeight = height;
  if (FHandle && IsOwnerDrawStyle()) SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, height);
}

void TComboBox::MeasureItem(int index, int& height) {
  height = FItemHeight;
  if (FStyle == csOwnerDrawVariable && OnMeasureItem) OnMeasureItem(this, index, height);
}

void TComboBox::CNMeasureItem(TMessage& message, MEASUREITEMSTRUCT& item) {
  int height = static_cast<int>(item.itemHeight);
  MeasureItem(static_cast<int>(item.itemID), height);
  // A zero or negative height would make the list unusable: the system's own value stays then.
  if (height > 0) item.itemHeight = static_cast<UINT>(height);
  message.Result = 1;
}

void TComboBox::CreateWindowHandleDone() {
  AddItemsToList();
  if (FItemIndex >= 0) SelectListItem(FItemIndex);
  else SetWindowTextW(FHandle, FText.c_str());
}

void TComboBox::AddItemsToList() {
  for (const auto& item : FItems) SendMessageW(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TComboBox::SelectListItem(int index) {
  SendMessageW(FHandle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
  AddItemsToList();
}

int TComboBox::ItemIndex() const {
  if (!FHandle) return FItemIndex;
  return static_cast<int>(SendMessageW(FHandle, CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  FItemIndex = index;
  if (index >= 0 && index < static_cast<int>(FItems.size())) FText = FItems[static_cast<size_t>(index)];
  if (!FHandle) return;
  SelectListItem(index);
  Perform(FW_TEXT_CHANGED);
}

void TComboBox::CNCommand(UINT notifyCode) {
  switch (notifyCode) {
    case CBN_SETFOCUS:
      return CBNSetFocus();
    case CBN_EDITCHANGE:
    case CBN_SELCHANGE:
      return Change();
    default:
      return;
  }
}

void TComboBox::CBNSetFocus() {
  // The focus is in the edit inside: the form counts it as the combo box's.
  if (TForm* form = GetParentForm()) form->SetFocusedControl(this);
}

void TComboBox::Change() {
  Perform(FW_CHANGED);
  CallEvent(OnChange, this);
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      // The text field and the list inside are the system's; they ask the combo box for colours.
      return CNCtlColor(message, DcFrom(message.WParam));
    case CN_COMMAND:
      return CNCommand(HiWord(message.WParam));
    case CN_MEASUREITEM:
      return CNMeasureItem(message, *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam));
    default:
      return TWinControl::WndProc(message);
  }
}

}  // namespace qw
