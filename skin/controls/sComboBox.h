#pragma once
// TsComboBox: the skinned combo box. Everything the system would draw is drawn by the control from the
// skin: the field as the control's section, the drop-down button with the COMBOBTN section and the combo
// glyph, the items of the list with the SELECTION section and the skin's edit colours. While the
// editable field has the focus, the system draws it so that typing, caret and selection behave as
// usual. The dropped list gets a wrapper with the skin's frame and scroll bar.
#include <windows.h>

#include <memory>

#include "fw/ComboBox.h"
#include "skin/access/AccessHost_win.h"
#include "skin/controls/ComboBoxLayout.h"
#include "skin/core/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/render/SectionPaint.h"

namespace qw {

class TBitmap32;
class TqxMainWnd;
class TqxScrollWnd;
class TClassRegistry;
class TsSkinManager;

class TsComboBox : public TsCachedControl<TComboBox, COC_TsComboBox> {
 public:
  TsComboBox();
  ~TsComboBox() override;
  const char* ClassName() const override { return "TsComboBox"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

  // A read-only box shows and keeps its text: nothing typed, pasted or cut, the list never opens; a
  // click only focuses it.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  // The look of the disabled box (dkBlended, dkGrayed bits).
  int DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(int kind);
  // The drop-down button is painted and takes room.
  bool ShowButton() const { return FShowButton; }
  void SetShowButton(bool value);
  // Right to left: the button on the left, the text right-aligned and read right to left.
  bool RightToLeft() const { return FRightToLeft; }
  void SetRightToLeft(bool value);
  // Kept for the form description and callers; the box paints its text as right to left says.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // The products of the scaling multipliers and divisors applied to the box: the item height follows them.
  int actM = 1;
  int actD = 1;
  // The height an item of a box that is not owner-drawn takes in the current font.
  int MeasuredItemHeight() const;
  // Makes the list measure its items again after the font changed, then repaints.
  void RefreshItemHeight();

  TRect ButtonRect() const;
  TRect FieldRect() const;
  // The height of one image of the skin's combo glyph (16 without one).
  int ButtonHeight() const;
  // The box, its field or its list has the keyboard focus (or the skin data says so).
  bool HasFocus() const;
  // The list is dropped down (the button shows pressed).
  bool DroppedDown() const { return FDropDown; }
  // The text shown for an item; empty for none.
  std::wstring ItemText(int index) const { return ComboItemText(Items(), index); }
  // Rebuilds the cache for the current state: section, field, button, the disabled look.
  void PrepareCache() override;

  // The inner edit and the dropped list (null before the list first asked for its colours).
  HWND FieldHandle() const;
  HWND ListHandle() const { return FListHandle; }
  TqxScrollWnd* ListWrapper() const;

  TsBoundLabel BoundLabel{*this, SkinData};

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  void MeasureItem(int index, int& height) override;
  // The cache onto the given DC, or onto the window without one; only the frame and the button while
  // the system draws the focused field.
  void PaintCached(HDC given, bool printing) override;
  // The box and its field window.
  void RedrawSkinned(bool now) override;
  // After its parent painted, the box paints again when it, or what lies behind it, was held back.
  void EndParentUpdate(TMessage& message) override;

 private:
  friend LRESULT CALLBACK ComboFieldProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  bool ReadyToPaint() const;
  bool SkinCommand(TMessage& message);
  bool ReadOnlyFilter(TMessage& message);
  bool SkinnedMessage(TMessage& message);
  void AfterFramework(TMessage& message);
  void WMPaint(TMessage& message, HDC dc);
  void WMCtlColorListBox(TMessage& message, HDC dc, HWND list);
  void CNCommand(UINT notifyCode);
  void CNDrawItem(TMessage& message, const DRAWITEMSTRUCT& item);
  void MouseEnterLeave(TMessage& message, bool entering);
  void FocusChanged();
  void PaintFromCache(HDC dc);
  void PaintButton(TBitmap32& cache);
  // One line (an item of the list, or the field with ODS_COMBOBOXEDIT) drawn into a bitmap of R's size.
  TBitmap32 ItemPicture(int index, const TRect& r, UINT state);
  void PaintPlainItem(HDC dc, int index, const TRect& r, UINT state);
  void ForgetList();
  // Gives the list its wrapper the first time it is seen.
  void WrapList(HWND list);
  // The simple box's list never asks for its colours here: it is wrapped as soon as the box is skinned.
  void WrapSimpleList();
  // The inner edit's messages, before its own handling; true when they end here.
  bool FieldMessage(HWND field, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void HookField();
  void UnhookField();
  TComboLayoutInput LayoutInput() const;

  bool FReadOnly = false;
  bool FShowButton = true;
  bool FDropDown = false;
  bool FRightToLeft = false;
  TAlignment FAlignment = taLeftJustify;
  int FDisabledKind = dkBlended;
  HWND FListHandle = nullptr;
  HWND FFieldHandle = nullptr;
  std::unique_ptr<TqxMainWnd> FListSW;
  // The brush the list's background is painted with, made again only when its colour changes.
  HBRUSH FListBrush = nullptr;
  COLORREF FListBrushColor = CLR_INVALID;

  // The inner edit as a screen reader reads it: an edit named like the box, whose value is the text.
  class TFieldAccess final : public TAccessSource {
   public:
    explicit TFieldAccess(TsComboBox& box) : FBox(box) {}
    void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
    void DoAccessDefaultAction(int) override {}
    TAccessHost Host{*this};

   private:
    TsComboBox& FBox;
  };
  TFieldAccess FFieldAccess{*this};
};

void RegisterComboBoxClass(TClassRegistry& g);

// The drop-down button over the cache: the skin's COMBOBTN section in State (0 normal, 1 hot, 2 pressed)
// and the combo glyph centred in it.
void PaintComboButton(TBitmap32& cache, const TsSkinManager& m, const TComboLayoutInput& in, int state);

}  // namespace qw
