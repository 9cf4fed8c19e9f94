#include "fw/PageControl.h"

#include <commctrl.h>

#include <algorithm>

namespace qw {

TTabSheet::TTabSheet() {
  FOwnPaint = true;
  FVisible = false;
  ControlStyle |= csAcceptsControls;
}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (FPageControl) FPageControl->RemovePage(this);
  TWinControl::SetParent(parent);
  FPageControl = dynamic_cast<TPageControl*>(parent);
  if (FPageControl) FPageControl->AddPage(this);
}

void TTabSheet::SetText(const std::wstring& text) {
  TWinControl::SetText(text);
  if (FPageControl) FPageControl->PageCaptionChanged(this);
}

void TTabSheet::SetTabVisible(bool visible) {
  if (visible == FTabVisible) return;
  if (FPageControl) FPageControl->ShowPageTab(this, visible);
  else FTabVisible = visible;
}

TPageControl::TPageControl() {
  TabStop = true;
  ControlStyle &= ~csClickEvents;
  FWidth = 289;
  FHeight = 193;
}

TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
}

void TPageControl::CreateParams(TCreateParams& params) {
  static bool initialised = false;
  if (!initialised) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    initialised = true;
  }
  TWinControl::CreateParams(params);
  params.WinClassName = WC_TABCONTROLW;
  params.SystemClass = true;
  params.Style |= WS_CLIPCHILDREN | TCS_FOCUSONBUTTONDOWN;
  if (FTabPosition == ptBottom || FTabPosition == ptRight) params.Style |= TCS_BOTTOM;  // TCS_RIGHT is the same bit
  if (FTabPosition == ptLeft || FTabPosition == ptRight) params.Style |= TCS_VERTICAL | TCS_MULTILINE;
}

void TPageControl::SetTabPosition(TPageTabPosition position) {
  if (position == FTabPosition) return;
  FTabPosition = position;
  if (HandleAllocated()) RecreateWnd();
}

RECT TPageControl::TabRect(int index) const {
  RECT r{};
  const int tab = TabIndexOfPage(index);
  if (FHandle && tab >= 0 &&
      !SendMessageW(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r)))
    r = RECT{};
  return r;
}

int TPageControl::TabIndexOfPage(int pageIndex) const {
  if (pageIndex < 0 || pageIndex >= PageCount() || !FPages[static_cast<size_t>(pageIndex)]->FTabVisible) return -1;
  int tab = 0;
  for (int i = 0; i < pageIndex; ++i)
    if (FPages[static_cast<size_t>(i)]->FTabVisible) ++tab;
  return tab;
}

int TPageControl::PageIndexOfTab(int tabIndex) const {
  if (tabIndex < 0) return -1;
  for (int i = 0; i < PageCount(); ++i)
    if (FPages[static_cast<size_t>(i)]->FTabVisible && tabIndex-- == 0) return i;
  return -1;
}

void TPageControl::CreateWindowHandleDone() {
  for (size_t i = 0; i < FPages.size(); ++i) SendTabCaption(TCM_INSERTITEMW, i);
  if (const int index = ActivePageIndex(); index >= 0) SelectTab(index);
  LayoutSheets();
}

void TPageControl::SendTabCaption(UINT tabMessage, size_t index) {
  const int tab = TabIndexOfPage(static_cast<int>(index));
  if (!FHandle || tab < 0) return;
  std::wstring caption = FPages[index]->Text();
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  SendMessageW(FHandle, tabMessage, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
}

void TPageControl::SelectTab(int index) {
  if (FHandle) SendMessageW(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(TabIndexOfPage(index)), 0);
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (!FActivePage && !FPages.empty()) SetActivePage(FPages.front());
  LayoutSheets();
}

RECT TPageControl::DisplayRect() const {
  RECT r{0, 0, FWidth, FHeight};
  if (FHandle) {
    GetClientRect(FHandle, &r);
    SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  } else {
    r = RECT{4, 24, FWidth - 4, FHeight - 4};
  }
  return r;
}

void TPageControl::LayoutSheets() {
  const RECT r = DisplayRect();
  for (TTabSheet* page : FPages) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::AddPage(TTabSheet* page) {
  FPages.push_back(page);
  SendTabCaption(TCM_INSERTITEMW, FPages.size() - 1);
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  const int index = static_cast<int>(it - FPages.begin());
  if (const int tab = TabIndexOfPage(index); FHandle && tab >= 0) {
    FPageBeingRemoved = index;
    SendMessageW(FHandle, TCM_DELETEITEM, static_cast<WPARAM>(tab), 0);
    FPageBeingRemoved = -1;
  }
  FPages.erase(it);
  if (FActivePage == page) FActivePage = nullptr;
}

void TPageControl::PageCaptionChanged(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it != FPages.end()) SendTabCaption(TCM_SETITEMW, static_cast<size_t>(it - FPages.begin()));
}

void TPageControl::ShowPageTab(TTabSheet* page, bool visible) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  const int index = static_cast<int>(it - FPages.begin());
  if (visible) {
    page->FTabVisible = true;
    SendTabCaption(TCM_INSERTITEMW, static_cast<size_t>(index));
  } else {
    const int tab = TabIndexOfPage(index);
    page->FTabVisible = false;
    if (FHandle && tab >= 0) SendMessageW(FHandle, TCM_DELETEITEM, static_cast<WPARAM>(tab), 0);
  }
  if (FActivePage) SelectTab(ActivePageIndex());
  LayoutSheets();
}

int TPageControl::ActivePageIndex() const {
  auto it = std::find(FPages.begin(), FPages.end(), FActivePage);
  return it == FPages.end() ? -1 : static_cast<int>(it - FPages.begin());
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  FActivePage = page;
  if (page) page->SetVisible(true);
  for (TTabSheet* other : FPages)
    if (other != page) other->SetVisible(false);
  SelectTab(ActivePageIndex());
  UpdateActivePage();
}

void TPageControl::CNNotify(const NMHDR& header) {
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return;
  // A strip left without a selected tab changed no page: nothing to announce.
  const int page = PageIndexOfTab(static_cast<int>(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0)));
  if (page >= 0) ChangeActivePage(page);
}

void TPageControl::ChangeActivePage(int index) {
  if (index >= 0 && index < PageCount()) SetActivePage(FPages[static_cast<size_t>(index)]);
  Perform(FW_CHANGED);
  CallEvent(OnChange, this);
}

void TPageControl::WMSize(TMessage& message) {
  TWinControl::WndProc(message);
  LayoutSheets();
}

void TPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      return CNNotify(RecordFrom<NMHDR>(message.LParam));
    case WM_SIZE:
      return WMSize(message);
    default:
      return TWinControl::WndProc(message);
  }
}

}  // namespace qw
