// TsPageControl: the mouse over its tabs (hot tabs, close buttons, button and menu tabs), the keys that
// change the page, and the messages it answers.
#include "skin/controls/sPageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "fw/DeferredRelease.h"
#include "fw/MessageCrack.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/Transitions_win.h"
#include "skin/render/SectionPaint.h"

namespace qw {

// ---- Mouse and keys ------------------------------------------------------------------------------------

void TsPageControl::WMMouseMove(TMessage& message, TPoint p) {
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (watch.Destroyed() || !SkinData.Skinned()) return;
  int hit = TabAt(p);
  if (hit >= 0 && !Pages(hit)->Enabled() && !AccessibleDisabledPages) hit = -1;
  const int hovered = hit >= 0 ? CloseBtnAt(p) : -1;
  const bool buttonChanged = hovered != FHoveredBtnIndex;
  FHoveredBtnIndex = hovered;
  if (hit != FPressedTab && FPressedTab >= 0) {
    FPressedTab = -1;
    return RepaintStrip();
  }
  if (hit == FCurItem) {
    if (buttonChanged) RepaintStrip();
    return;
  }
  const int old = FCurItem;
  FCurItem = hit;
  // Either handler may free the control: then nothing of it is touched any more.
  if (old >= 0 && !RaiseEvent(this, OnTabMouseLeave, *this, old)) return;
  if (hit >= 0 && !RaiseEvent(this, OnTabMouseEnter, *this, hit)) return;
  RepaintStrip();
}

bool TsPageControl::MouseLeft() {
  const bool released = FPressedBtnIndex >= 0 || FHoveredBtnIndex >= 0 || FPressedTab >= 0;
  FPressedBtnIndex = -1;
  FHoveredBtnIndex = -1;
  FPressedTab = -1;
  if (FCurItem < 0) {
    if (released) RepaintStrip();
    return true;
  }
  const int old = FCurItem;
  FCurItem = -1;
  if (!RaiseEvent(this, OnTabMouseLeave, *this, old)) return false;
  RepaintStrip();
  return true;
}

void TsPageControl::WMLButtonDown(TMessage& message, TPoint p) {
  const int hit = Enabled() ? TabAt(p) : -1;
  if (hit >= 0 && SkinData.Skinned() && (Pages(hit)->Enabled() || AccessibleDisabledPages)) {
    const TqxTabType type = TabTypeOf(Pages(hit));
    // Button and menu tabs act on their own and never reach the tab strip, which would select them.
    if (type == ttButton) {
      FPressedTab = hit;
      RepaintStrip();
      message.Result = 0;
      return;
    }
    if (type == ttMenu) {
      message.Result = 0;
      return DropDownTabMenu(hit);
    }
    if (CloseBtnAt(p) == hit) {
      FPressedBtnIndex = hit;
      RepaintStrip();
      message.Result = 0;
      return;
    }
  }
  // A page that may not become active never reaches the tab strip, which would select it.
  if (hit >= 0 && hit != ActivePageIndex() && !CanSelectPage(hit)) {
    message.Result = 0;
    return;
  }
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (!watch.Destroyed()) DropRefusedCover();
}

void TsPageControl::WMLButtonUp(TMessage& message, TPoint p) {
  const int hit = Enabled() ? TabAt(p) : -1;
  if (FPressedTab >= 0) {
    const int pressed = FPressedTab;
    FPressedTab = -1;
    message.Result = 0;
    RepaintStrip(pressed == hit ? pressed : -1, StateHot);
    if (pressed != hit) return;
    // The handler may free the control: nothing of it is touched afterwards.
    if (auto* sheet = dynamic_cast<TsTabSheet*>(Pages(pressed))) CallEvent(sheet->OnClickBtn, sheet);
    return;
  }
  if (FPressedBtnIndex >= 0) {
    const int pressed = FPressedBtnIndex;
    FPressedBtnIndex = -1;
    message.Result = 0;
    if (CloseBtnAt(p) == pressed) {
      CloseClick(pressed);
      return;  // the control may be gone: nothing of it is touched any more
    }
    return RepaintStrip();
  }
  TInherited::WndProc(message);
}

void TsPageControl::WMLButtonDblClk(TMessage& message, TPoint p) {
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (watch.Destroyed() || !SkinData.Skinned()) return;
  const int hit = TabAt(p);
  if (hit < 0 || hit != FCurItem) return;
  // A page tab of the tab style is the large active one already.
  if (TabTypeOf(Pages(hit)) == ttTab && Style == tsTabs) return;
  RepaintStrip(hit, StatePressed);
}

// The menu of a menu tab opens under the tab (beside it on a vertical strip); the tab looks pressed
// while it is open.
void TsPageControl::DropDownTabMenu(int index) {
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  if (!sheet || !sheet->TabMenu) return;
  const TRect r = PaintedTabRectOf(index);
  const bool vertical = TabSide() == tpLeft || TabSide() == tpRight;
  POINT at{vertical ? r.Right : r.Left, vertical ? r.Top : r.Bottom};
  ClientToScreen(FHandle, &at);
  FDroppedDownItem = index;
  RepaintStrip();
  TDestroyWatch watch(this);
  sheet->TabMenu->PopupComponent = this;
  sheet->TabMenu->Popup(at.x, at.y);
  if (watch.Destroyed()) return;
  FDroppedDownItem = -1;
  if (index < PageCount()) RepaintStrip(index, StateHot);
  RequestRepaint();
}

bool TsPageControl::CloseClick(int index) {
  if (index < 0 || index >= PageCount()) return true;
  TTabSheet* page = Pages(index);
  TTabCloseAction action = tcaFree;
  bool canClose = true;
  TDestroyWatch pageWatch(page);
  if (!RaiseEvent(this, OnCloseBtnClick, *this, index, action, canClose)) return false;
  TDestroyWatch watch(this);
  if (!canClose || pageWatch.Destroyed() || page->PageControl() != this) return RepaintStrip(), true;
  TTabSheet* active = ActivePage();
  const int previous = ActivePageIndex();
  const bool redraw = HandleAllocated() && IsWindowVisible(FHandle);
  if (redraw) SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  if (action == tcaHide) {
    page->SetTabVisible(false);
  } else {
    // The page leaves the control now and is freed once this message is done: its window may still be
    // in the middle of something of its own.
    page->SetVisible(false);
    page->SetParent(nullptr);
    if (TComponent* owner = page->Owner()) ReleaseLater(owner->ExtractComponent(page));
  }
  // The page shown stays unless it was the one closed; then the one at its place (or the last) is.
  int next = active && active != page ? ActivePageIndex() : std::min(previous, PageCount() - 1);
  next = ValidActivePage(PageKinds(), next);
  if (redraw) SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  SkinData.BGChanged = true;
  if (next < 0) SetActivePage(nullptr);
  ChangeActivePage(next);
  if (watch.Destroyed()) return false;
  if (HandleAllocated())
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}

void TsPageControl::SelectPageAsUser(int page) {
  if (!CanSelectPage(page)) return;
  CoverPageChange();
  TDestroyWatch watch(this);
  ChangeActivePage(page);
  if (watch.Destroyed()) return ForgetCover();
  RevealPageChange();
}

void TsPageControl::WMKeyDown(TMessage& message, UINT key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_TAB && ctrl) {
    const bool forward = GetKeyState(VK_SHIFT) >= 0;
    const int next = NeighbourPage(TabsVisible(), ActivePageIndex(), forward, true);
    message.Result = 0;
    if (next >= 0) SelectPageAsUser(next);
    return;
  }
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
    // The tab strip moves to the neighbouring tab itself; it is let do so only towards a page that may be
    // chosen.
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    const int next = NeighbourPage(TabsVisible(), ActivePageIndex(), forward, false);
    if (next < 0 || !CanSelectPage(next)) {
      message.Result = 0;
      return;
    }
  }
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (!watch.Destroyed()) DropRefusedCover();
}

// ---- Messages ------------------------------------------------------------------------------------------

// The tab strip loses a tab before the page leaves the list: the kept indexes follow the tabs that stay.
void TsPageControl::TabDeleted(TMessage& message) {
  SkinData.BGChanged = true;
  TInherited::WndProc(message);
  // A tab that is only hidden keeps its page, and every page its index.
  const int index = PageBeingRemoved();
  if (index < 0) return RequestRepaint();
  const int countAfter = PageCount() - 1;
  FCurItem = IndexAfterTabDeleted(FCurItem, index, countAfter);
  FHoveredBtnIndex = IndexAfterTabDeleted(FHoveredBtnIndex, index, countAfter);
  FPressedBtnIndex = IndexAfterTabDeleted(FPressedBtnIndex, index, countAfter);
  FPressedTab = IndexAfterTabDeleted(FPressedTab, index, countAfter);
  FDroppedDownItem = IndexAfterTabDeleted(FDroppedDownItem, index, countAfter);
  RequestRepaint();
}

void TsPageControl::PassToChildren(const TMessage& message) {
  TMessage copy = message;
  BroadcastToChildren(this, copy);
}

void TsPageControl::SkinCommand(TMessage& message, TSkinCommand code) {
  switch (code) {
    case skcQueryUpdating:
      message.Result = SkinData.FUpdating ? 1 : 0;
      return;
    case skcMouseLeave:
      if (!MouseLeft()) return;
      return TInherited::WndProc(message);
    case skcEndUpdate:
      TInherited::WndProc(message);
      if (!SkinData.FUpdating) {
        SkinData.BGChanged = true;
        if (HandleAllocated()) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
      }
      return PassToChildren(message);
    case skcNewSkin:
    case skcRefresh:
    case skcRemoveSkin:
      TInherited::WndProc(message);
      UpdateCloseBtnSize();
      SetPadding();
      SkinData.BGChanged = true;
      ArrowsSkinChanged(message, code);
      if (HandleAllocated()) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      return;
    default:
      return TInherited::WndProc(message);
  }
}

void TsPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
      // The strip's arrows moved its tabs: the cached strip shows them where they were.
      SkinData.BGChanged = true;
      TInherited::WndProc(message);
      return RequestRepaint();
    case WM_MOUSEMOVE: {
      const POINT p = PointFromLParam(message.LParam);
      return WMMouseMove(message, TPoint{p.x, p.y});
    }
    case WM_LBUTTONDOWN: {
      const POINT p = PointFromLParam(message.LParam);
      return WMLButtonDown(message, TPoint{p.x, p.y});
    }
    case WM_LBUTTONUP: {
      const POINT p = PointFromLParam(message.LParam);
      return WMLButtonUp(message, TPoint{p.x, p.y});
    }
    case WM_LBUTTONDBLCLK: {
      const POINT p = PointFromLParam(message.LParam);
      return WMLButtonDblClk(message, TPoint{p.x, p.y});
    }
    case WM_KEYDOWN:
      return WMKeyDown(message, VirtualKeyFrom(message.WParam));
    case CN_NOTIFY:
      return CNNotify(message, RecordFrom<NMHDR>(message.LParam));
    case FW_MOUSE_LEAVE: {
      TDestroyWatch watch(this);
      TInherited::WndProc(message);
      if (!watch.Destroyed()) MouseLeft();
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_STYLECHANGED:
    case WM_SIZE:
    case FW_ENABLED_CHANGED:
    case FW_FONT_CHANGED:
    case TCM_INSERTITEMW:
    case TCM_SETITEMW:
      // Marked before the system's handling, which may paint at once.
      SkinData.BGChanged = true;
      TInherited::WndProc(message);
      RequestRepaint();
      if (message.Msg == WM_SIZE || message.Msg == TCM_INSERTITEMW) CheckUpDown();
      return;
    case TCM_DELETEITEM:
      TabDeleted(message);
      return CheckUpDown();
    case TCM_SETIMAGELIST:
    case WM_PRINT:
      TInherited::WndProc(message);
      return CheckUpDown();
      return TabDeleted(message);
    case SkinCommandMsg:
      return SkinCommand(message, SkinCommandCode(message.WParam));
    default:
      return TInherited::WndProc(message);
  }
}

}  // namespace qw
