#pragma once
// TsPageControl and TsTabSheet: the skinned pages. While a skin is active the page control paints
// everything itself through its cache: the page area with its section (by tab position), corners and
// border, the tab strip over the parent's background and every tab with its tab section, the tab under
// the mouse hot and the active tab last and larger. Its sheets show that painted page area as their
// background. Without a skin both look as the framework's controls do.
#include <functional>
#include <string>

#include "fw/Canvas.h"
#include "fw/PageControl.h"
#include "skin/controls/PageControlLayout.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TsTabSheet;

class TsPageControl : public TsSkinned<TPageControl, COC_TsPageControl> {
 public:
  const char* ClassName() const override { return "TsPageControl"; }
  void WndProc(TMessage& message) override;
  void Loaded() override;

  TTabStyle Style = tsTabs;
  bool AccessibleDisabledPages = true;
  bool ActiveIsBold = false;
  // Asked before a click, an arrow key or Ctrl+Tab changes the page; clearing allowChange keeps it.
  std::function<void(TsPageControl& sender, TTabSheet* newPage, bool& allowChange)> OnPageChanging;
  std::function<void(TsPageControl& sender, int tabIndex)> OnTabMouseEnter;
  std::function<void(TsPageControl& sender, int tabIndex)> OnTabMouseLeave;

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
  // The page exists, is a page tab, is enabled (or disabled pages may be chosen) and OnPageChanging lets it.
  bool CanSelectPage(int index);

  // Rebuilds the cache when it is stale; false when there is nothing to show from it.
  bool EnsureCache();
  void PrepareCache();

 protected:
  void UpdateActivePage() override;

 private:
  void ResolvePageSection();
  void PaintTabs(TBitmap32& cache, const TCacheInfo& ci);
  void PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci);
  void RepaintStrip();
  void OurPaint(HDC dc, bool notifyChildren);
  bool MayPaint() const;
  void WMPaint(TMessage& message, HDC dc);
  void WMMouseMove(TMessage& message, TPoint p);
  void WMLButtonDown(TMessage& message, TPoint p);
  void WMKeyDown(TMessage& message, UINT key);
  void MouseLeft();
  void TabDeleted(TMessage& message, int index);
  void SkinCommand(TMessage& message, TSkinCommand code);
  std::vector<bool> TabsVisible() const;
  int FCurItem = -1;
  int FHoveredBtnIndex = -1;
  int FPressedBtnIndex = -1;
  int FPageSkinIndex = -1;
  int FPageBorderIndex = -1;
  std::u16string FChangedSkinSection;
};

// A page of a skinned page control: its face is the page control's painted page area, and it answers
// the skin queries of its children for the page control. After it painted, the children waiting for
// the picture behind them are told.
class TsTabSheet : public TsSkinned<TTabSheet, COC_TsTabSheet> {
 public:
  const char* ClassName() const override { return "TsTabSheet"; }
  void WndProc(TMessage& message) override;

  TqxTabType TabType = ttTab;
  std::u16string TabSkin;  // section of this page's tab; empty chooses by style and position

 protected:
  void PaintWindow(TCanvas& canvas) override;

 private:
  TsPageControl* SkinnedPages() const;
  void SkinCommand(TMessage& message, TSkinCommand code);
};

}  // namespace qw
