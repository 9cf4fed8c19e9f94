#pragma once
// TqxComboBoxWnd: the wrapper of a standard combo box that the skin manager's list of foreign combo boxes
// names. The system draws the field and its text; the frame band and the drop-down button come from the
// skin, and the dropped list gets a TqxComboListWnd.
#include <memory>

#include "skin/controls/EditWnd_win.h"

namespace qw {

struct TRect;

class TqxComboBoxWnd : public TqxEditWnd {
 public:
  TqxComboBoxWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxComboBoxWnd() override;
  const char* ClassName() const override { return "TqxComboBoxWnd"; }
  void qxWndProc(TMessage& message) override;

  // The button: as wide as a scroll bar, on the left for a right-to-left reading window; empty without a
  // drop-down list.
  TRect ButtonRect() const;
  HWND ListHandle() const { return FListHandle; }
  TqxMainWnd* ListWrapper() const { return FListSW.get(); }
  // The simple style's picture: the field's height (an item and 8), the list below being a window of its
  // own.
  bool PrepareSimple();

 protected:
  std::u16string_view DefaultSection() const override;

 private:
  void WMPaint(TMessage& message, HDC dc);
  void WMCtlColorListBox(TMessage& message, HDC dc, HWND list);
  void PaintSkinParts(HDC dc);
  bool IsSimple() const;
  void PaintButton(HDC dc);
  void RepaintButton();
  int ButtonState() const;
  void ForgetList();

  HWND FListHandle = nullptr;
  std::unique_ptr<TqxMainWnd> FListSW;
  bool FInColorMessage = false;
  HBRUSH FListBrush = nullptr;
  COLORREF FListBrushColor = CLR_INVALID;
};

}  // namespace qw
