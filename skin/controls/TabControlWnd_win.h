#pragma once
// Wrappers of the system's tab control and of page controls built on it: the page area in the page
// control's section (positional by tab side, corners and border), the tab strip over the parent's
// background and every tab in its section by style and side, the tab under the mouse hot and the
// selected one last and larger. The pages of a wrapped page control show that page area behind their
// content.
#include <memory>
#include <vector>

#include "skin/controls/PageAreaPaint_win.h"
#include "skin/controls/SectionWnd_win.h"
#include "skin/controls/WndWrapper_win.h"

namespace qw {

class TqxTabControlWnd : public TqxMainWnd {
 public:
  // Section: "PAGECONTROL" unless given.
  TqxTabControlWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxTabControlWnd() override;
  const char* ClassName() const override { return "TqxTabControlWnd"; }

  void qxWndProc(TMessage& message) override;
  // Paints the whole window into the cache (the window's size, client area at ClientOffset).
  bool PrepareCache() override;

  TTabPosition Side() const;
  TTabStyle Style() const;
  // In client coordinates: the page area, the strip and a tab as painted.
  TRect PageRect() const;
  TRect TabStrip() const;
  TRect PaintedTabRectOf(int index) const;
  // The section of the page area at the last paint.
  const TPageAreaSection& PageSection() const { return FPageSection; }
  // The tab under the mouse; -1 none.
  int HotTab() const { return FHot; }

 protected:
  std::u16string_view DefaultSection() const override;

 private:
  void WMPaint(TMessage& message, HDC dc);
  void WMMouseMove(TMessage& message, POINT pt);
  void WMMouseLeave(TMessage& message);
  // The system's page rectangle, two pixels lower for the client.
  TRect Adjusted() const;
  int TabCount() const;
  void PaintTabs(TBitmap32& cache, const TCacheInfo& ci, POINT origin);
  void PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci, POINT origin);
  TPageAreaSection FPageSection;
  int FHot = -1;
  bool FTrackingLeave = false;
};

// A page of a wrapped page control: a "CHECKBOX" section window whose background is the page
// control's painted page area.
class TqxPageWnd : public TqxSectionWnd {
 public:
  TqxPageWnd(HWND wnd, TqxTabControlWnd& pages, TsSkinManager* manager);
  const char* ClassName() const override { return "TqxPageWnd"; }
  void qxWndProc(TMessage& message) override;

 private:
  void WMEraseBkgnd(TMessage& message, HDC dc);
  TqxTabControlWnd& FPages;
};

// A tab control whose child windows are its pages: each page is wrapped too, while the control is.
class TqxPageControlWnd : public TqxTabControlWnd {
 public:
  TqxPageControlWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxPageControlWnd() override;
  const char* ClassName() const override { return "TqxPageControlWnd"; }
  void qxWndProc(TMessage& message) override;
  int PageWrapperCount() const { return static_cast<int>(FPages.size()); }

 private:
  // Wraps the child windows not wrapped yet (the scroll arrows excepted) and lets go of gone ones.
  void WrapPages();
  std::vector<std::unique_ptr<TqxMainWnd>> FPages;
};

}  // namespace qw
