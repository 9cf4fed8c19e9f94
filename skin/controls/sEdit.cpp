#include "skin/controls/sEdit.h"

#include <algorithm>
#include <string>

#include "base/Geometry_win.h"
#include "fw/BitmapCanvas.h"
#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

uint32_t AlignmentFlag(TAlignment alignment) {
  if (alignment == taCenter) return DT_CENTER;
  if (alignment == taRightJustify) return DT_RIGHT;
  return DT_LEFT;
}

}  // namespace

TsEdit::TsEdit() = default;

TEditFrame TsEdit::Frame() const { return TEditFrame{HasBorder, Ctl3D}; }

TRect TsEdit::TextRect() const { return EditTextRect(Width(), Height(), Frame()); }

bool TsEdit::ReadyToPaint() const {
  return FHandle && FParent && !IsLoading() && !IsDestroying();
}

void TsEdit::SetDisabledKind(int kind) {
  if (kind == FDisabledKind) return;
  FDisabledKind = kind;
  RequestRepaint();
}

// ---- Messages ----------------------------------------------------------------------------------------

void TsEdit::WndProc(TMessage& message) {
  if (message.Msg == SkinCommandMsg && SkinCommand(message)) return;
  if (!ReadyToPaint() || !SkinData.Skinned()) {
    TsSkinned::WndProc(message);
    return BoundLabel.ControlMessage(message.Msg, FDisabledKind);
  }
  switch (message.Msg) {
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
    case CN_DRAWITEM:
      return WMEraseBkgnd(message);
    case WM_NCPAINT:
      if (!AnimationRunning) PaintFrame();
      message.Result = 0;
      return;
    case WM_PRINT:
      return WMPrint(message, DcFrom(message.WParam));
    case FW_COLOR_CHANGED:
      if (SkinData.CustomColor()) SkinData.BGChanged = true;
      break;
    default:
      break;
  }
  if (SkinData.CommonWndProc(message)) return;
  TEdit::WndProc(message);
  AfterFramework(message);
  BoundLabel.ControlMessage(message.Msg, FDisabledKind);
}

bool TsEdit::SkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  const bool ours = reinterpret_cast<TsSkinManager*>(message.LParam) == SkinData.EffectiveManager();
  switch (code) {
    case skcNewSkin:
    case skcRemoveSkin:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      return true;
    case skcRefresh:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      if (!AnimationRunning && FHandle && Visible())
        RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
      return true;
    case skcIsSkinned:
      message.Result = 1;
      return true;
    case skcQueryParentBG:
      // The edit's look never depends on what lies behind it.
      message.Result = 0;
      return true;
    case skcGetColor:
      if (SkinData.Skinned()) return false;
      message.Result = ColorToRGB(Color());
      return true;
    case skcEndParentUpdate:
      EndParentUpdate(message);
      return true;
    default:
      return false;
  }
}

void TsEdit::AfterFramework(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      SendMessageW(FHandle, WM_NCPAINT, 1, 0);
      return;
    case WM_KILLFOCUS:
    case FW_EXIT:
      SkinData.FFocused = false;
      SkinData.FMouseAbove = false;
      SkinData.BGChanged = true;
      if (Visible()) RequestRepaint();
      return;
    case FW_MOUSE_ENTER:
    case FW_MOUSE_LEAVE:
      // The look switches between the system's drawing and the cache's.
      SkinData.BGChanged = true;
      InvalidateRect(FHandle, nullptr, FALSE);
      return;
    case WM_SETTEXT:
    case WM_SETFONT:
    case FW_VISIBLE_CHANGED:
    case FW_ENABLED_CHANGED:
    case FW_TEXT_CHANGED:
      if (IsLoading() || AnimationRunning) return;
      SkinData.BGChanged = true;
      RequestRepaint();
      return;
    default:
      return;
  }
}

void TsEdit::RedrawSkinned(bool now) {
  if (!FHandle) return;
  InvalidateRect(FHandle, nullptr, FALSE);
  SendMessageW(FHandle, WM_NCPAINT, 1, 0);
  if (now) UpdateWindow(FHandle);
}

void TsEdit::EndParentUpdate(TMessage&) {
  if (!ReadyToPaint() || !SkinData.Skinned() || !SkinData.QueryUpdating()) return;
  SkinData.FUpdating = false;
  RequestRepaint();
}

// ---- Painting ----------------------------------------------------------------------------------------

void TsEdit::WMPaint(TMessage& message, HDC dc) {
  message.Result = 0;
  SkinData.FUpdating = SkinData.QueryUpdating();
  if (AnimationRunning || SkinData.FUpdating) {
    // Nothing is drawn now, but the request is answered: the update region is validated.
    if (!dc) ValidateRect(FHandle, nullptr);
    return;
  }
  if (!(Enabled() && SkinData.ControlIsActive())) return PaintFromCache(dc);
  // Active: the system draws the client, so caret, selection and typing behave as in any edit.
  TEdit::WndProc(message);
}

void TsEdit::WMEraseBkgnd(TMessage& message) {
  message.Result = 1;
  if (AnimationRunning) return;
  SkinData.FUpdating = SkinData.QueryUpdating();
  if (SkinData.FUpdating || !Enabled()) return;
  TEdit::WndProc(message);
}

void TsEdit::WMPrint(TMessage& message, HDC dc) {
  SkinData.FUpdating = false;
  PrepareCache();
  SkinData.UpdateBorderCorners(0, 15);
  if (dc && SkinData.CacheBmp()) {
    const int w = EditFrameWidth(Frame());
    CopyFrameBand(dc, w);
    const int saved = SaveDC(dc);
    CopyBitmapToDC(dc, *SkinData.CacheBmp(), TRect{0, 0, Width(), Height()}, TPoint{});
    RestoreDC(dc, saved);
  }
  message.Result = 0;
}

void TsEdit::PaintFromCache(HDC given) {
  PAINTSTRUCT ps;
  // Painting is begun and ended on the window, so its update region is validated whatever happens below.
  const bool began = !given && BeginPaint(FHandle, &ps) != nullptr;
  struct TEnd {
    HWND Window;
    PAINTSTRUCT* Ps;
    bool Began;
    ~TEnd() {
      if (Began) EndPaint(Window, Ps);
    }
  } end{FHandle, &ps, began};
  if (!PaintHeldBack(false)) PaintCached(given, given != nullptr);
}

void TsEdit::PaintCached(HDC given, bool) {
  StaleWhenHalfVisible();
  MeasureHalfVisibleByBounds();
  if (SkinData.BGChanged && !SkinData.UrgentPainting) PrepareCache();
  SkinData.UpdateBorderCorners(0, 15);
  if (!SkinData.CacheBmp()) return;
  HDC dc = given ? given : GetWindowDC(FHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  // The window DC's origin is the window's corner; a given DC's is the client's (after the frame).
  const int frame = given ? EditFrameWidth(Frame()) : 0;
  for (int i = 0; i < ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(Controls(i));
    if (!child || !child->Visible()) continue;
    const int shift = EditFrameWidth(Frame()) - frame;
    ExcludeClipRect(dc, child->Left() + shift, child->Top() + shift, child->Left() + child->Width() + shift,
                    child->Top() + child->Height() + shift);
  }
  CopyBitmapToDC(dc, *SkinData.CacheBmp(), TRect{0, 0, Width(), Height()}, TPoint{-frame, -frame});
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(FHandle, dc);
}

void TsEdit::PaintFrame() {
  SkinData.FUpdating = SkinData.QueryUpdating();
  if (SkinData.FUpdating) return;
  if (SkinData.BGChanged) PrepareCache();
  if (!SkinData.CacheBmp()) return;
  SkinData.UpdateBorderCorners(0, 15);
  HDC dc = GetWindowDC(FHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  CopyFrameBand(dc, EditFrameWidth(Frame()));
  RestoreDC(dc, saved);
  ReleaseDC(FHandle, dc);
}

void TsEdit::CopyFrameBand(HDC dc, int w) {
  if (w <= 0 || !SkinData.CacheBmp()) return;
  const TBitmap32& cache = *SkinData.CacheBmp();
  const int cw = cache.Width(), ch = cache.Height();
  const TRect bands[4] = {{0, 0, cw, w}, {0, ch - w, cw, ch}, {0, w, w, ch - w}, {cw - w, w, cw, ch - w}};
  for (const TRect& b : bands) CopyBitmapToDC(dc, cache, b, TPoint{b.Left, b.Top});
}

void TsEdit::PrepareCache() {
  SkinData.InitCacheBmp();
  TBitmap32* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return;
  const TCacheInfo ci = SkinData.GetParentCacheInfo();
  const int state = SkinData.ControlIsActive() ? 1 : 0;
  const TRect r{0, 0, Width(), Height()};
  const TPoint position{Left(), Top()};
  if (HasBorder) PaintControlItem(SkinData, ci, state, r, position, *cache, true);
  else PaintControlBackground(SkinData, ci, state, r, position, *cache);
  PaintText(*cache);
  PaintOverText(*cache);
  if (!Enabled()) {
    const TColor parentColor = FParent ? ParentBackgroundColor(FParent) : ColorToRGB(clBtnFace);
    ApplyDisabledLook(*cache, FDisabledKind, parentColor, position, ci);
  }
  SkinData.BGChanged = false;
}

void TsEdit::PaintText(TBitmap32& cache) {
  TBitmapCanvas canvas(cache);
  if (!canvas.Handle()) return;
  canvas.Canvas().SetFont(Font());
  const TRect r = TextRect();
  const uint32_t flags = AlignmentFlag(Alignment) | DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX;
  const std::wstring text = Text();
  if (!text.empty()) {
    const std::u16string shown = EditDisplayText(std::u16string(text.begin(), text.end()), PasswordChar());
    WriteSkinText(canvas.Canvas(), shown, true, SkinData.ControlIsActive(), SkinData, flags, r);
    return;
  }
  if (TextHint.empty()) return;
  const TColor hint = MixColors(ColorToRGB(Font().Color()), ColorToRGB(Color()), 0.65);
  HDC dc = canvas.Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(hint));
  RECT rc = WinRect(r);
  DrawTextW(dc, TextHint.c_str(), static_cast<int>(TextHint.size()), &rc, flags);
}

}  // namespace qw
