#pragma once
// TsPageControl and TsTabSheet: the skinned pages. While a skin is active the page control paints
// everything itself through its cache: the page area with its section (by tab position), corners and
// border, the tab strip over the parent's background and every tab with its tab section, the tab under
// the mouse hot and the active tab last and larger. Its sheets show that painted page area as their
// background. Without a skin both look as the framework's controls do.
#include <functional>
#include <memory>
#include <string>

#include "fw/Canvas.h"
#include "fw/ImageList.h"
#include "fw/Menu.h"
#include "fw/PageControl.h"
#include "skin/controls/PageControlLayout.h"
#include "skin/controls/TabContentLayout.h"
#include "skin/controls/WndWrapper_win.h"
#include "skin/controls/sTabSheet.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/core/SkinnedControl.h"
#include "skin/data/SkinCommands.h"

namespace qw {

// What happens to a page whose close button was clicked.
enum TTabCloseAction : int { tcaFree, tcaHide };

class TsPageControl : public TsCachedControl<TPageControl, COC_TsPageControl> {
  using TInherited = TsCachedControl<TPageControl, COC_TsPageControl>;

 public:
  const char* ClassName() const override { return "TsPageControl"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int id) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

  TTabStyle Style = tsTabs;
  bool AccessibleDisabledPages = true;
  bool ActiveIsBold = false;
  // Asked before a click, an arrow key or Ctrl+Tab changes the page; clearing allowChange keeps it.
  std::function<void(TsPageControl& sender, TTabSheet* newPage, bool& allowChange)> OnPageChanging;
  std::function<void(TsPageControl& sender, int tabIndex)> OnTabMouseEnter;
  std::function<void(TsPageControl& sender, int tabIndex)> OnTabMouseLeave;

  // Tab contents: close buttons on page tabs, a focus frame on the active caption, captions turned to
  // run upward (they do on a vertical strip unless RotateCaptions; on a horizontal one when set), images
  // from Images by the sheets' ImageIndex, and tabs the program paints itself (OwnerDraw).
  bool ShowCloseBtns() const { return FShowCloseBtns; }
  void SetShowCloseBtns(bool show);
  const std::u16string& CloseBtnSkin() const { return FCloseBtnSkin; }
  void SetCloseBtnSkin(std::u16string section);
  bool ShowFocus = true;
  bool RotateCaptions = false;
  int TabPadding() const { return FTabPadding; }
  void SetTabPadding(int padding);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  bool OwnerDraw = false;
  // Draws a tab of an OwnerDraw control on the control's picture; Rect is the tab in control coordinates.
  std::function<void(TsPageControl& sender, int tabIndex, const TRect& rect, bool active, TCanvas& canvas)> OnDrawTab;
  // Asked when a close button is released; the page is freed or its tab hidden unless canClose is cleared.
  std::function<void(TsPageControl& sender, int tabIndex, TTabCloseAction& action, bool& canClose)> OnCloseBtnClick;
  // The close button's size: 15 x 15, or the size of the skin's close glyph.
  TSize2 CloseBtnSize() const { return FBtnSize; }
  int HoveredBtnIndex() const { return FHoveredBtnIndex; }
  int PressedBtnIndex() const { return FPressedBtnIndex; }
  // The menu tab whose menu is open; -1 none.
  int DroppedDownItem() const { return FDroppedDownItem; }
  // Where the parts of a tab are, in control coordinates, as it is painted in State.
  TTabContent TabContentOf(int index, int state);
  // The page whose close button holds P; -1 none.
  int CloseBtnAt(TPoint p);
  // The close button's answer for the page at Index: OnCloseBtnClick, then freeing or hiding it and
  // showing a remaining page. False when the control itself went meanwhile.
  bool CloseClick(int index);
  // Sends the tab strip the padding the tab contents need.
  void SetPadding();
  void Notification(TComponent* component, TOperation operation) override;

  // The page whose tab is under the mouse; -1 none.
  int CurItem() const { return FCurItem; }
  // The section that paints the page area at the last rebuild.
  const std::u16string& ChangedSkinSection() const { return FChangedSkinSection; }
  int StoredVisiblePageCount = 0;

  TTabPosition TabSide() const { return static_cast<TTabPosition>(TabPosition()); }
  TRect PageRect() const;
  TRect TabStrip() const;
  // The tab as painted: the system rectangle, grown for the selected tab of the tab style.
  TRect PaintedTabRectOf(int index) const;
  int TabAt(TPoint p) const;
  // The page exists, is a page tab, is enabled (or disabled pages may be chosen) and OnPageChanging lets
  // it. False also when OnPageChanging freed the control: then nothing of it may be touched.
  bool CanSelectPage(int index);
  // Shows the page as a choice of the user would (Ctrl+Tab, a tab's default action): asked first, under
  // the page-change cover, with OnChange.
  void SelectPageAsUser(int page);

  // Rebuilds the cache when it is stale; false when there is nothing to show from it (or OnDrawTab freed
  // the control meanwhile).
  bool EnsureCache();
  void PrepareCache() override;

 protected:
  void UpdateActivePage() override;
  void CreateWindowHandleDone() override;
  bool MayPaint() const override;
  void PaintCached(HDC dc, bool printing) override;
  void AfterScreenPaint() override;
  // The control alone: its sheets paint from its picture and are told when it has painted.
  void RedrawSkinned(bool now) override;
  void EndParentUpdate(TMessage& message) override;

 private:
  void ResolvePageSection();
  // The tabs into the cache; false when OnDrawTab freed the control.
  bool PaintTabs(TBitmap32& cache, const TCacheInfo& ci);
  bool PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci);
  void PaintTabContent(TBitmap32& tab, int index, int state, int section, TColor fontColor);
  void PaintCloseBtn(TBitmap32& tab, const TRect& r, int state);
  TRect TabBitmapRect(int index) const;
  TTabContentInput ContentInput(int index, int state, const TRect& r, int tw, int th) const;
  int TabState(int index) const;
  void UpdateCloseBtnSize();
  void RepaintStrip(int overrideIndex = -1, int overrideState = 0);
  void WMMouseMove(TMessage& message, TPoint p);
  void WMLButtonDown(TMessage& message, TPoint p);
  void WMLButtonUp(TMessage& message, TPoint p);
  void WMLButtonDblClk(TMessage& message, TPoint p);
  void DropDownTabMenu(int index);
  void WMKeyDown(TMessage& message, UINT key);
  // The mouse left the control: no tab is hot any more. False when OnTabMouseLeave freed the control.
  bool MouseLeft();
  void TabDeleted(TMessage& message);
  void SkinCommand(TMessage& message, TSkinCommand code);
  void PassToChildren(const TMessage& message);
  std::vector<bool> TabsVisible() const;
  // Page changes by the user: the old look stays on the screen under a cover until the new page has been
  // painted whole (when the skin manager animates page changes).
  void CNNotify(TMessage& message, const NMHDR& header);
  void CoverPageChange();
  void RevealPageChange();
  // A change that did not happen after all leaves no cover behind.
  void DropRefusedCover();
  std::vector<TPageKind> PageKinds() const;
  int FCurItem = -1;
  int FHoveredBtnIndex = -1;
  int FPressedBtnIndex = -1;
  int FPressedTab = -1;  // a button tab held down
  int FDroppedDownItem = -1;
  int FStateOverride = -1;  // a tab repainted once in FOverrideState
  int FOverrideState = 0;
  bool FShowCloseBtns = false;
  std::u16string FCloseBtnSkin;
  int FTabPadding = 0;
  TImageList* FImages = nullptr;
  int FBtnIndex = -1;  // the close button's section (FBtnIsSection) or mask
  bool FBtnIsSection = false;
  TSize2 FBtnSize;
  int FPageSkinIndex = -1;
  int FPageBorderIndex = -1;
  std::u16string FChangedSkinSection;

  // ---- Scroll arrows, page kinds and the pages' own sections ----
 public:
  ~TsPageControl() override;
  // The tab strip's scroll arrows are shown (skinned while a skin is active); false destroys them.
  bool ShowUpDown() const { return FShowUpDown; }
  void SetShowUpDown(bool value);
  // The wrapper of the scroll arrows, or null.
  TqxMainWnd* SpinWnd() const { return FSpinWnd.get(); }
  // Wraps, lets go of or destroys the strip's scroll arrows as the skin and ShowUpDown ask.
  void CheckUpDown();
  // A button or menu tab, or a hidden one, is never the page shown: the nearest page tab is.
  void ChooseValidActivePage();

 private:
  void PaintActivePageSection(TBitmap32& cache);
  void ArrowsSkinChanged(TMessage& message, TSkinCommand code);
  bool FShowUpDown = true;
  std::unique_ptr<TqxMainWnd> FSpinWnd;
};

}  // namespace qw
