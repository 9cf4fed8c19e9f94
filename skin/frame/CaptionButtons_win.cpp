// TsSkinProvider: hit testing, the caption buttons' hot and pressed looks, and what their clicks do.
#include <algorithm>

#include "fw/Form.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/CaptionHint_win.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

namespace {

bool IsButtonCode(int code) {
  return code == kHtMinButton || code == kHtMaxButton || code == kHtClose || code == kHtHelp ||
         (code >= kHtUserButton && code < kHtUserButton + 100);
}

}  // namespace

TFrameHit TsSkinProvider::HTProcess(POINT screen) {
  HWND h = Handle();
  if (!h) return {};
  RECT wr{};
  GetWindowRect(h, &wr);
  if (SkinData->BGChanged || FCaption.Layout.Text.Right == 0) CalcItems();
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  if (FBorderForm) {
    // The frame is the border window's: its points are the picture's.
    const TPoint o = FBorderForm->Origin();
    const TsSkinManager* m = Manager();
    return HitTestBorderForm(LayoutBorderForm(g, w), g, w, FCaption.Layout, m ? m->SkinData.ExShadowOffs : 0,
                             TPoint{screen.x - o.X, screen.y - o.Y});
  }
  const TFrameHitRules rules = FormHitRules(g, w, FCaption.Layout, TRect{});
  return HitTestFrame(FCaption.Layout, rules, TPoint{screen.x - wr.left, screen.y - wr.top});
}

bool TsSkinProvider::CanAnimateButtons() const {
  const TsSkinManager* m = Manager();
  HWND h = Handle();
  // Over a border window a button is repainted in the window's own picture, without a fade window.
  return m && m->Effects.AllowGlowing && EngineStartup().UpdateLayeredWindow && h && !FBorderForm &&
         !(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD);
}

void TsSkinProvider::SetHotHT(int hitCode, bool repaint) {
  if (hitCode != FCurrentHT && FCurrentHT > 0) {
    FHint.reset();
    if (TsCaptionButton* old = ButtonOf(FCurrentHT)) {
      old->State = 0;
      if (repaint) RepaintButton(FCurrentHT);
    }
  }
  const bool same = hitCode == FCurrentHT;
  FCurrentHT = hitCode;
  if (FPressed || hitCode < 1) return;
  if (TsCaptionButton* b = ButtonOf(hitCode); b && b->State != 1) {
    b->State = 1;
    if (repaint) RepaintButton(hitCode);
  }
  const size_t user = static_cast<size_t>(hitCode - kHtUserButton);
  if (!same && hitCode >= kHtUserButton && user < TitleButtons.size() && !TitleButtons[user].Hint.empty()) {
    POINT cursor{};
    GetCursorPos(&cursor);
    FHint = std::make_unique<TqxCaptionHint>(TitleButtons[user].Hint, cursor);
  }
}

void TsSkinProvider::SetPressedHT(int hitCode) {
  if (FCurrentHT > 0 && FCurrentHT != hitCode) {
    if (TsCaptionButton* old = ButtonOf(FCurrentHT)) {
      old->State = 0;
      RepaintButton(FCurrentHT);
    }
  }
  FCurrentHT = hitCode;
  TsCaptionButton* b = ButtonOf(hitCode);
  if (!b) return;
  if (hitCode == kHtMaxButton) {
    const TSysMenuRules r = SysMenuRules();
    if (!r.EnabledMax && !(Handle() && IsZoomed(Handle()) && r.EnabledRestore)) {
      FCurrentHT = 0;
      return;
    }
  }
  b->State = 2;
  FPressed = true;
  RepaintButton(hitCode);
}

void TsSkinProvider::RepaintButton(int hitCode) {
  TsCaptionButton* b = ButtonOf(hitCode);
  if (!b || b->Rect.Right <= b->Rect.Left) return;
  AnnounceCaption();
  if (CanAnimateButtons()) {
    if (!b->Timer) b->Timer = std::make_unique<TqxSBAnimation>(*this, hitCode);
    b->Timer->StartAnimation(b->State, b->State == 2 ? 1 : kCaptionFadeSteps);
    return;
  }
  TBitmap32& cache = *SkinData->CacheBmp();
  if (cache.Empty()) return;
  PasteBitmapArea(cache, FTempBmp, TRect{b->Rect.Left - FTempLeft, b->Rect.Top, b->Rect.Right - FTempLeft, b->Rect.Bottom},
                  TPoint{b->Rect.Left, b->Rect.Top});
  DrawButton(cache, *b, TPoint{b->Rect.Left, b->Rect.Top}, b->State);
  CopyButtonToWindow(*b);
}

void TsSkinProvider::KillAnimations() {
  for (TsCaptionButton& b : FButtons) b.Timer.reset();
  for (TsCaptionButton& b : FUserButtons) b.Timer.reset();
  FHint.reset();
}

// ---- Clicks ----------------------------------------------------------------------------------------------

bool TsSkinProvider::OnNcMouseMove(POINT screen) {
  const TFrameHit hit = HTProcess(screen);
  if (hit.Own && IsButtonCode(hit.Code)) {
    // Told when the mouse leaves the frame, so the button does not stay hot.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
    TrackMouseEvent(&track);
    SetHotHT(hit.Code);
    return true;
  }
  SetHotHT(0);
  return false;
}

bool TsSkinProvider::OnNcLButtonDown(int hitCode, POINT screen) {
  if (hitCode == kHtSysMenu) {
    SetHotHT(0);
    FPressed = false;
    HWND h = Handle();
    RECT wr{};
    GetWindowRect(h, &wr);
    const TFrameGeometry g = Geometry();
    const TRect icon = FCaption.Layout.Icon;
    DropSysMenu(POINT{wr.left + g.SysBorderWidth, wr.top + g.BorderHeight + (icon.Bottom - icon.Top) + g.SysBorderHeight});
    return true;
  }
  if (!IsButtonCode(hitCode) || HTProcess(screen).Code != hitCode) return false;
  SetPressedHT(hitCode);
  // The release may come anywhere: it is hit-tested where it happens.
  if (FPressed) SetCapture(Handle());
  const size_t user = static_cast<size_t>(hitCode - kHtUserButton);
  if (hitCode >= kHtUserButton && user < TitleButtons.size()) {
    const TMouseEvent handler = TitleButtons[user].OnMouseDown;
    if (handler) handler(this, mbLeft, 0, screen.x, screen.y);
  }
  return true;
}

bool TsSkinProvider::OnButtonUp(POINT screen) {
  if (!FPressed) {
    SetHotHT(0);
    return false;
  }
  const int pressed = FCurrentHT;
  FPressed = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  // Where the button went up decides, whatever the message's key flags say.
  const TFrameHit hit = HTProcess(screen);
  if (TsCaptionButton* b = ButtonOf(pressed)) b->State = 0;
  SetHotHT(0);
  RepaintButton(pressed);
  if (hit.Code == pressed) ClickButton(pressed, screen);
  return true;
}

void TsSkinProvider::ClickButton(int hitCode, POINT screen) {
  HWND h = Handle();
  if (!h) return;
  switch (hitCode) {
    case kHtClose:
      // Posted: closing may destroy the window, which must not happen inside this handler.
      PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case kHtMinButton:
      PostMessageW(h, WM_SYSCOMMAND, IsIconic(h) ? SC_RESTORE : SC_MINIMIZE, 0);
      break;
    case kHtMaxButton:
      PostMessageW(h, WM_SYSCOMMAND, IsZoomed(h) ? SC_RESTORE : SC_MAXIMIZE, 0);
      break;
    case kHtHelp:
      PostMessageW(h, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    default:
      if (hitCode >= kHtUserButton && hitCode - kHtUserButton < static_cast<int>(TitleButtons.size())) {
        const TMouseEvent handler = TitleButtons[static_cast<size_t>(hitCode - kHtUserButton)].OnMouseUp;
        if (handler) handler(this, mbLeft, 0, screen.x, screen.y);
      }
      break;
  }
}

bool TsSkinProvider::OnNcLButtonDblClk(int hitCode) {
  HWND h = Handle();
  if (hitCode == kHtSysMenu) {
    PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  if (StretchAtBorder(hitCode)) return true;
  if (hitCode != kHtCaption) return false;
  // Only a form that can be maximised or restored reacts; this one's caption stays as it is.
  const TSysMenuRules r = SysMenuRules();
  if (FHaveSysMenu && (r.EnabledMax || r.EnabledRestore))
    PostMessageW(h, WM_SYSCOMMAND, IsZoomed(h) || IsIconic(h) ? SC_RESTORE : SC_MAXIMIZE, 0);
  else if (IsIconic(h))
    PostMessageW(h, WM_SYSCOMMAND, SC_RESTORE, 0);
  return true;
}

bool TsSkinProvider::StretchAtBorder(int hitCode) {
  HWND h = Handle();
  const bool horizontal = hitCode == kHtLeft || hitCode == kHtRight;
  if (!h || !FBorderForm || !(horizontal || hitCode == kHtTop || hitCode == kHtBottom)) return false;
  if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_THICKFRAME) || IsZoomed(h) || IsIconic(h)) return false;
  RECT wr{};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetWindowRect(h, &wr) || !GetMonitorInfoW(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &info)) return false;
  TRect to{wr.left, wr.top, wr.right, wr.bottom};
  TNormalSpan& normal = horizontal ? FNormalX : FNormalY;
  if (normal.Stretched) {
    // The second double click gives the form its own width (height) back.
    (horizontal ? to.Left : to.Top) = normal.Start;
    (horizontal ? to.Right : to.Bottom) = normal.Start + normal.Size;
    normal.Stretched = false;
  } else {
    normal = TNormalSpan{true, horizontal ? to.Left : to.Top, horizontal ? WidthOfRect(to) : HeightOfRect(to)};
    const RECT& work = info.rcWork;
    to = StretchFrameToWorkArea(BorderLayout(), to, TRect{work.left, work.top, work.right, work.bottom}, horizontal);
  }
  SetWindowPos(h, nullptr, to.Left, to.Top, WidthOfRect(to), HeightOfRect(to), SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

}  // namespace qw
