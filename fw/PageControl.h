#pragma once
// Pages with a tab strip: the system tab control, subclassed, holding TTabSheet children of which only
// the active one is visible.
#include <string>
#include <vector>

#include "fw/WinControl.h"

namespace qw {

class TPageControl;

// Which side of the pages the tab strip takes.
enum TPageTabPosition : int { ptTop, ptBottom, ptLeft, ptRight };

class TTabSheet : public TWinControl {
 public:
  TTabSheet();
  ~TTabSheet() override;
  const char* ClassName() const override { return "TTabSheet"; }
  void SetParent(TWinControl* parent) override;
  void SetText(const std::wstring& text) override;
  TPageControl* PageControl() const { return FPageControl; }
  // A page whose tab is hidden keeps its place among the pages but has no tab in the strip.
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool visible);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
};

class TPageControl : public TWinControl {
 public:
  TPageControl();
  ~TPageControl() override;
  const char* ClassName() const override { return "TPageControl"; }
  void WndProc(TMessage& message) override;
  void Loaded() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const { return FPages[static_cast<size_t>(index)]; }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  TPageTabPosition TabPosition() const { return FTabPosition; }
  // Recreates the window with the strip on the new side.
  void SetTabPosition(TPageTabPosition position);
  // The system rectangle of a page's tab in client coordinates; empty when there is none.
  RECT TabRect(int index) const;
  // Where the sheets go, in the page control's client coordinates.
  RECT DisplayRect() const;
  TNotifyEvent OnChange;

  // Bookkeeping called by TTabSheet.
  void AddPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageCaptionChanged(TTabSheet* page);
  // Takes a page's tab out of the strip or puts it back at its place.
  void ShowPageTab(TTabSheet* page, bool visible);
  // The tab of a page in the strip (-1 for a hidden tab) and the page of a tab (-1 for none).
  int TabIndexOfPage(int pageIndex) const;
  int PageIndexOfTab(int tabIndex) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  // Called after the active page changed (by the program or by the tab strip).
  virtual void UpdateActivePage() {}
  // A change the user asked for: the page becomes active and OnChange is raised.
  void ChangeActivePage(int index);
  // The page whose tab is being taken out of the strip because the page leaves; -1 otherwise (a tab
  // that is only hidden).
  int PageBeingRemoved() const { return FPageBeingRemoved; }

 private:
  void LayoutSheets();
  // Tells the tab strip a page's caption: TCM_INSERTITEMW for a new tab, TCM_SETITEMW for a renamed one.
  void SendTabCaption(UINT tabMessage, size_t index);
  void SelectTab(int index);
  void CNNotify(const NMHDR& header);
  void WMSize(TMessage& message);
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  TPageTabPosition FTabPosition = ptTop;
  int FPageBeingRemoved = -1;
};

}  // namespace qw
