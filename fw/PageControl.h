#pragma once
// Pages with a tab strip: the system tab control, subclassed, holding TTabSheet children of which only
// the active one is visible.
#include <string>
#include <vector>

#include "fw/WinControl.h"

namespace qw {

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  TTabSheet();
  ~TTabSheet() override;
  const char* ClassName() const override { return "TTabSheet"; }
  void SetParent(TWinControl* parent) override;
  void SetText(const std::wstring& text) override;
  TPageControl* PageControl() const { return FPageControl; }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
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
  // Where the sheets go, in the page control's client coordinates.
  RECT DisplayRect() const;
  TNotifyEvent OnChange;

  // Bookkeeping called by TTabSheet.
  void AddPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageCaptionChanged(TTabSheet* page);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;

 private:
  void LayoutSheets();
  // Tells the tab strip a page's caption: TCM_INSERTITEMW for a new tab, TCM_SETITEMW for a renamed one.
  void SendTabCaption(UINT tabMessage, size_t index);
  void SelectTab(int index);
  void CNNotify(const NMHDR& header);
  void WMSize(TMessage& message);
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};

}  // namespace qw
