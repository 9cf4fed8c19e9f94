#pragma once
// The editable combo box: a text field with a drop-down list (the system COMBOBOX, CBS_DROPDOWN).
#include <string>
#include <vector>

#include "fw/WinControl.h"

namespace qw {

class TComboBox : public TWinControl {
 public:
  TComboBox();
  const char* ClassName() const override { return "TComboBox"; }
  void WndProc(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;

  const std::vector<std::wstring>& Items() const { return FItems; }
  void SetItems(std::vector<std::wstring> items);
  // The selected item, -1 for none. Selecting an item sets the text to it.
  int ItemIndex() const;
  void SetItemIndex(int index);
  // Height of the open list below the text field.
  int DropDownHeight = 160;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;

 private:
  void AddItemsToList();
  void SelectListItem(int index);
  void CNCommand(UINT notifyCode);
  void CBNSetFocus();
  void Change();
  std::vector<std::wstring> FItems;
  int FItemIndex = -1;
};

}  // namespace qw
