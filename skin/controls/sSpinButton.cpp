#include "skin/controls/sSpinButton.h"

#include <algorithm>

#include "base/Geometry_win.h"
#include "fw/Canvas.h"
#include "fw/MessageCrack.h"
#include "fw/BitmapCanvas.h"
#include "image/BitmapBlend.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/controls/SpinEditLayout.h"
#include "skin/controls/sSpinEdit.h"
#include "skin/core/EngineFlags.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

constexpr std::u16string_view kArrowSection = u"SPEEDBUTTON_SMALL";

TRect Offset(const TRect& r, TPoint by) { return TRect{r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y}; }

// A glyph centred on R of Target, its bottom-left pixel's colour left out.
void DrawGlyph(TBitmap32& target, const TRect& r, const TBitmap32& glyph) {
  if (glyph.Empty()) return;
  const TPoint p = SpinGlyphPos(r, glyph.Width(), glyph.Height());
  BlendKeyedBitmap(target, p.X, p.Y, glyph.At(0, glyph.Height() - 1), 0.0,
                   TRect{0, 0, glyph.Width() - 1, glyph.Height() - 1}, glyph);
}

void DrawFocusRectInto(TBitmap32& target, const TRect& r) {
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  TBitmapCanvas canvas(target);
  if (HDC dc = canvas.Handle()) {
    RECT rc = WinRect(r);
    DrawFocusRect(dc, &rc);
    GdiFlush();
  }
}

}  // namespace

// ---- One arrow --------------------------------------------------------------------------------------

TsTimerSpeedButton::TsTimerSpeedButton(TsSpinButton& owner, bool up) : Up(up), FOwner(owner) {}

int TsTimerSpeedButton::State() const {
  if (FDown) return 2;
  return FMouseAbove ? 1 : 0;
}

void TsTimerSpeedButton::SetMouseAbove(bool value) {
  if (value == FMouseAbove) return;
  FMouseAbove = value;
  FOwner.Redraw();
}

void TsTimerSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return WMLButtonDown(message);
    case WM_LBUTTONUP:
      return WMLButtonUp(message);
    case FW_MOUSE_ENTER:
      SetMouseAbove(true);
      break;
    case FW_MOUSE_LEAVE:
      SetMouseAbove(false);
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

void TsTimerSpeedButton::WMLButtonDown(TMessage& message) {
  TDestroyWatch watch(this);
  TGraphicControl::WndProc(message);
  if (watch.Destroyed()) return;
  FOwner.ArrowPressed(*this);
  if (watch.Destroyed()) return;
  FDown = true;
  FOwner.Redraw();
  if (!(TimeBtnState & tbAllowTimer)) return;
  if (!FRepeatTimer) {
    FRepeatTimer = std::make_unique<TTimer>();
    FRepeatTimer->SetOnTimer([this](TComponent*) { RepeatTick(); });
  }
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(kFirstRepeatMs);
  FRepeatTimer->SetEnabled(true);
}

void TsTimerSpeedButton::WMLButtonUp(TMessage& message) {
  FDown = false;
  FOwner.Redraw();
  TDestroyWatch watch(this);
  // The framework clicks the button when the mouse is released over it.
  TGraphicControl::WndProc(message);
  if (!watch.Destroyed()) StopRepeat();
}

void TsTimerSpeedButton::StopRepeat() {
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TsTimerSpeedButton::RepeatTick() {
  FRepeatTimer->SetInterval(kRepeatMs);
  if (!FDown) return;
  TDestroyWatch watch(this);
  try {
    Click();
  } catch (...) {
    if (!watch.Destroyed()) StopRepeat();
    throw;
  }
}

void TsTimerSpeedButton::Click() {
  TGraphicControl::Click();
  FOwner.ArrowClicked(*this);
}

void TsTimerSpeedButton::Paint(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  if (!Glyph.Empty()) {
    // A button face with the glyph on it, pressed in while down.
    TBitmap32 face(Width(), Height());
    FillRect32(face, TRect{0, 0, Width(), Height()}, static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), 255);
    DrawGlyph(face, SpinFocusRect(TRect{-3, -3, Width() + 3, Height() + 3}, FDown), Glyph);
    CopyBitmapToDC(canvas.Handle(), face, TRect{0, 0, Width(), Height()}, TPoint{0, 0});
    DrawEdge(canvas.Handle(), &r, FDown ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else {
    UINT flags = DFCS_SCROLLUP;
    if (!Up) flags = DFCS_SCROLLDOWN;
    if (FDown) flags |= DFCS_PUSHED;
    if (!FOwner.Enabled()) flags |= DFCS_INACTIVE;
    DrawFrameControl(canvas.Handle(), &r, DFC_SCROLL, flags);
  }
  if (TimeBtnState & tbFocusRect) {
    const TRect f = SpinFocusRect(TRect{0, 0, Width(), Height()}, FDown);
    RECT fr = WinRect(f);
    DrawFocusRect(canvas.Handle(), &fr);
  }
}

// ---- The pair ---------------------------------------------------------------------------------------

TsSpinButton::TsSpinButton(TsSpinEdit& owner) : FOwner(owner) {
  FOwnPaint = true;
  TabStop = false;
  FUpButton = new TsTimerSpeedButton(*this, true);
  FDownButton = new TsTimerSpeedButton(*this, false);
  FUpButton->SetParent(this);
  FDownButton->SetParent(this);
  FFocusedButton = FUpButton;
  TWinControl::SetBounds(0, 0, kSpinButtonInitialWidth, 0);
}

TsSpinButton::~TsSpinButton() {
  FAccess.Disconnect();
  DestroyHandle();
  delete FUpButton;
  delete FDownButton;
}

void TsSpinButton::Loaded() {
  TWinControl::Loaded();
  PlaceArrows();
  ResetGlyphs();
}

void TsSpinButton::SetUpGlyph(TBitmap32 glyph) {
  FUpGlyph = std::move(glyph);
  ResetGlyphs();
}

void TsSpinButton::SetDownGlyph(TBitmap32 glyph) {
  FDownGlyph = std::move(glyph);
  ResetGlyphs();
}

void TsSpinButton::ResetGlyphs() {
  FUpButton->Glyph = FUpGlyph.Clone();
  FDownButton->Glyph = FDownGlyph.Clone();
  Redraw();
}

void TsSpinButton::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, std::max(kSpinButtonMinWidth, width), height);
  PlaceArrows();
}

void TsSpinButton::PlaceArrows() {
  if (IsLoading() || Height() == 0) return;
  const TUpDownButtons b = SpinArrowButtons(Width(), Height());
  FUpButton->SetBounds(b.First.Left, b.First.Top, WidthOfRect(b.First), HeightOfRect(b.First));
  FDownButton->SetBounds(b.Second.Left, b.Second.Top, WidthOfRect(b.Second), HeightOfRect(b.Second));
}

void TsSpinButton::Redraw() {
  if (FHandle && IsWindowVisible(FHandle)) InvalidateRect(FHandle, nullptr, FALSE);
}

void TsSpinButton::ArrowPressed(TsTimerSpeedButton& button) {
  if (TabStop && CanFocus()) FFocusedButton = &button;
  if (FOwner.TabStop && FOwner.CanFocus() && !FOwner.Focused()) FOwner.SetFocus();
  else if (TabStop && CanFocus()) SetFocus();
}

void TsSpinButton::ArrowClicked(TsTimerSpeedButton& button) { button.Up ? FOwner.StepUp() : FOwner.StepDown(); }

void TsSpinButton::PaintWindow(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  FillRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_BTNFACE));
}

void TsSpinButton::PaintSkinned(TBitmap32& target, TPoint at, TBitmap32* background, TPoint backgroundAt) {
  const TsSkinManager* m = FOwner.SkinData.EffectiveManager();
  if (!m) return;
  // What lies behind the arrows: the spin edit's picture where it covers the pair, else its colour.
  TCacheInfo ci;
  ci.FillColor = ColorToRGB(FOwner.Color());
  if (background && backgroundAt.X >= 0 && backgroundAt.Y >= 0 && background->Width() >= backgroundAt.X + Width() &&
      background->Height() >= backgroundAt.Y + Height())
    ci = MakeCacheInfo(background, 0, 0);
  const int index = m->GetSkinIndex(kArrowSection);
  const bool hasSection = m->IsValidSkinIndex(index);
  const int texture = hasSection ? m->GetTextureIndex(index, kArrowSection, u"PATTERN") : -1;
  const int hotTexture = hasSection ? m->GetTextureIndex(index, kArrowSection, u"HOTPATTERN") : -1;
  const int ownerIndex = FOwner.SkinData.SkinIndex();
  const TUpDownButtons b = SpinArrowButtons(Width(), Height());
  const std::pair<TsTimerSpeedButton*, TRect> arrows[2] = {{FUpButton, b.First}, {FDownButton, b.Second}};
  for (const auto& [button, local] : arrows) {
    if (IsRectEmpty(local)) continue;
    const TRect r = Offset(local, at);
    const TPoint pP{backgroundAt.X + local.Left, backgroundAt.Y + local.Top};
    const int state = FOwner.Enabled() ? button->State() : 0;
    if (hasSection) PaintSectionItem(index, kArrowSection, ci, state, r, pP, target, m, texture, hotTexture);
    else PaintParentBackground(target, r, ci, pP);
    if (!button->Glyph.Empty()) {
      DrawGlyph(target, r, button->Glyph);
    } else {
      TColor color;
      if (!hasSection || FOwner.SkinData.CustomFont())
        color = FOwner.Enabled() ? ColorToRGB(FOwner.Font().Color()) : static_cast<TColor>(GetSysColor(COLOR_GRAYTEXT));
      else if (state != 0) {
        const TsGeneralData& g = m->gd[static_cast<size_t>(index)];
        color = g.States >= 2 ? g.HotFontColor().Color : g.FontColor().Color;
      } else {
        const int from = m->IsValidSkinIndex(ownerIndex) ? ownerIndex : index;
        color = m->gd[static_cast<size_t>(from)].FontColor().Color;
      }
      for (const TSpinArrowRow& row : SpinArrowRows(WidthOfRect(local), HeightOfRect(local), button->Up))
        FillRect32(target, TRect{r.Left + row.Left, r.Top + row.Y, r.Left + row.Right, r.Top + row.Y + 1}, color, 255);
    }
    if (button->TimeBtnState & tbFocusRect) DrawFocusRectInto(target, SpinFocusRect(r, button->IsDown()));
  }
}

void TsSpinButton::WMPaint(TMessage& message, HDC given) {
  if (!FOwner.SkinData.Skinned()) return TWinControl::WndProc(message);
  message.Result = 0;
  PAINTSTRUCT ps;
  HDC dc = given ? given : BeginPaint(FHandle, &ps);
  // Disabled, the arrows are part of the spin edit's picture; while it waits for its parent, so do they.
  const bool paint = dc && FOwner.Enabled() && !AnimationRunning && !FOwner.SkinData.FUpdating && Width() > 0 &&
                     Height() > 0;
  if (paint) {
    TBitmap32 bmp(Width(), Height());
    const int w = FOwner.FrameWidth();
    PaintSkinned(bmp, TPoint{0, 0}, FOwner.SkinData.CacheBmp(), TPoint{w + Left(), w + Top()});
    CopyBitmapToDC(dc, bmp, TRect{0, 0, Width(), Height()}, TPoint{0, 0});
  }
  if (!given) EndPaint(FHandle, &ps);
}

void TsSpinButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETOBJECT:
      if (HandleAllocated() && FAccess.Answer(FHandle, message.WParam, message.LParam, message.Result)) return;
      break;
    case FW_ACCESS_ACTION:
      return DoAccessDefaultAction(static_cast<int>(message.WParam));
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      if (!FOwner.SkinData.Skinned()) break;
      message.Result = 1;
      return;
    case WM_SIZE:
      TWinControl::WndProc(message);
      return PlaceArrows();
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (FFocusedButton) {
        if (message.Msg == WM_SETFOCUS) FFocusedButton->TimeBtnState |= tbFocusRect;
        else FFocusedButton->TimeBtnState &= ~tbFocusRect;
        Redraw();
      }
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case FW_ENABLED_CHANGED:
      TWinControl::WndProc(message);
      return ResetGlyphs();
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace qw
