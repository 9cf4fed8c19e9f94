#pragma once
// The combo box: a text field with a list (the system COMBOBOX). The style says whether the field is
// editable, whether the list drops down or always shows, and whether the items are drawn by the program.
#include <functional>
#include <string>
#include <vector>

#include "fw/WinControl.h"

namespace qw {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// Asked for the height of item Index of an owner-drawn box (-1 is the field); Height holds the stored
// item height and may be changed.
using TMeasureItemEvent = std::function<void(TComponent* sender, int index, int& height)>;

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
  TMeasureItemEvent OnMeasureItem;

  // Set before the window is made (a new style needs a new window).
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle style);
  bool IsOwnerDrawStyle() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
  // The height of one item: the stored one for the owner-drawn styles, the list's own otherwise.
  virtual int ItemHeight() const;
  void SetItemHeight(int height);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  // The answer to the list's question for the height of an item (reflected WM_MEASUREITEM).
  virtual void MeasureItem(int index, int& height);
  int FItemHeight = 16;

 private:
  void AddItemsToList();
  void SelectListItem(int index);
  void CNCommand(UINT notifyCode);
  void CNMeasureItem(TMessage& message, MEASUREITEMSTRUCT& item);
  void CBNSetFocus();
  void Change();
  std::vector<std::wstring> FItems;
  int FItemIndex = -1;
  TComboBoxStyle FStyle = csDropDown;
};

}  // namespace qw
