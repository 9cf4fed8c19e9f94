#include "skin/controls/sCheckBox.h"

#include <string>

#include "fw/BitmapCanvas.h"
#include "fw/ImageList.h"
#include "fw/WideText.h"
#include "image/BitmapCopy.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/FocusFrame.h"
#include "skin/render/GdiTextRenderer_win.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

// Draws the image of a strip the look asks for at the glyph rectangle's top-left corner, by its alpha.
void DrawStripGlyph(TBitmap32& cache, const TRect& glyph, const TBitmap32& picture, int32_t glyphState) {
  const TGlyphStrip strip = GlyphStripOf(picture.Width(), picture.Height());
  const TRect src = StripImageRect(strip, glyphState);
  const TRect dst{glyph.Left, glyph.Top, glyph.Left + strip.ImageWidth, glyph.Top + strip.ImageHeight};
  CopyAlphaBitmap(dst, src, cache, false, EmptyCacheInfo(), &picture);
}

}  // namespace

TsCheckBox::TsCheckBox() : FDisabledKind(dkBlended) {}

TsCheckBox::~TsCheckBox() { StopFade(FadeTimer); }

// ---- Properties --------------------------------------------------------------------------------------

void TsCheckBox::SetChecked(bool checked) {
  if (IsLoading()) return;
  const bool changed = checked != Checked();
  if (changed) SkinData.BGChanged = true;
  TDestroyWatch watch(this);
  TCheckBox::SetChecked(checked);
  if (watch.Destroyed()) return;
  if (SkinData.BGChanged) RequestRepaint();
  if (changed) CallEvent(OnValueChanged, this);
}

void TsCheckBox::SetImages(TImageList* images) {
  FImages = images;
  LayoutChanged();
}

void TsCheckBox::SetImgChecked(int index) {
  FImgChecked = index;
  AdjustSize();
  if (Checked()) RequestRepaint();
}

void TsCheckBox::SetImgUnchecked(int index) {
  FImgUnchecked = index;
  AdjustSize();
  if (!Checked()) RequestRepaint();
}

void TsCheckBox::SetGlyphChecked(TBitmap32 picture) {
  FGlyphChecked.Assign(std::move(picture));
  LayoutChanged();
}

void TsCheckBox::SetGlyphUnChecked(TBitmap32 picture) {
  FGlyphUnChecked.Assign(std::move(picture));
  LayoutChanged();
}

void TsCheckBox::SetMargin(int value) {
  FMargin = value;
  LayoutChanged();
}

void TsCheckBox::SetTextIndent(int value) {
  FTextIndent = value;
  LayoutChanged();
}

void TsCheckBox::SetAlignment(TCheckBoxAlignment value) {
  FAlignment = value;
  RequestRepaint();
}

void TsCheckBox::SetVerticalAlign(TCheckBoxVAlign value) {
  FVerticalAlign = value;
  RequestRepaint();
}

void TsCheckBox::SetWordWrap(bool value) {
  FWordWrap = value;
  RequestRepaint();
}

void TsCheckBox::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustSize();
}

void TsCheckBox::SetDisabledKind(int value) {
  FDisabledKind = value;
  RequestRepaint();
}

void TsCheckBox::SetShowFocus(bool value) {
  FShowFocus = value;
  RequestRepaint();
}

void TsCheckBox::Notification(TComponent* component, TOperation operation) {
  TInherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

bool TsCheckBox::Active() const { return !ReadOnly && SkinData.ControlIsActive(); }

void TsCheckBox::LayoutChanged() {
  AdjustSize();
  RequestRepaint();
}

// ---- Life and window ------------------------------------------------------------------------------------

void TsCheckBox::CreateWindowHandleDone() {
  TInherited::CreateWindowHandleDone();
  UpdateOwnerDraw();
}

void TsCheckBox::Loaded() {
  TInherited::Loaded();
  UpdateOwnerDraw();
  AdjustSize();
}

void TsCheckBox::UpdateOwnerDraw() {
  if (!FHandle) return;
  const bool skinned = SkinData.Skinned();
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  const LONG_PTR type = skinned ? BS_OWNERDRAW : BS_3STATE;
  if ((style & BS_TYPEMASK) == type) return;
  SetWindowLongPtrW(FHandle, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | type);
  // An owner-drawn system box keeps no check of its own: it gets the state back with its own drawing.
  if (!skinned) ShowCheckMark();
  Invalidate();
}

// ---- Layout --------------------------------------------------------------------------------------------

TCheckBoxLayoutInput TsCheckBox::LayoutInput() const {
  TCheckBoxLayoutInput in;
  in.Width = Width();
  in.Height = Height();
  in.Margin = FMargin;
  in.TextIndent = FTextIndent;
  in.Alignment = FAlignment;
  in.RightToLeft = RightToLeft();
  in.VerticalAlign = FVerticalAlign;
  in.WordWrap = FWordWrap;
  return in;
}

bool TsCheckBox::UsesImageList() const { return FImages && FImgChecked >= 0 && FImgUnchecked >= 0; }

TGlyphStrip TsCheckBox::GlyphSize() const {
  if (UsesImageList()) return GlyphStripOf(FImages->Width(), FImages->Height());
  if (!FGlyphChecked.Empty()) return GlyphStripOf(FGlyphChecked.Width(), FGlyphChecked.Height());
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (SkinData.Skinned() && m->IsValidImgIndex(m->ConstData.CheckBoxChecked)) {
    const TsMaskData& mask = m->ma[static_cast<size_t>(m->ConstData.CheckBoxChecked)];
    return TGlyphStrip{MaskImageWidth(mask), MaskImageHeight(mask), 1};
  }
  return TGlyphStrip{16, 16, 1};
}

void TsCheckBox::AdjustSize() {
  if (!FAutoSize || IsLoading() || IsDestroying()) return;
  TGdiTextRenderer measurer(Font().Handle());
  const TGlyphStrip glyph = GlyphSize();
  const TCheckBoxSize size = CheckBoxAutoSize(SkinData.Skinned(), glyph.ImageWidth, glyph.ImageHeight, FMargin,
                                              FTextIndent, measurer, U16(Caption()));
  SetBounds(Left(), Top(), size.Width, size.Height);
}

// ---- Painting ------------------------------------------------------------------------------------------

void TsCheckBox::PrepareCache() {
  SkinData.InitCacheBmp();
  TBitmap32& cache = *SkinData.CacheBmp();
  if (cache.Empty()) {
    SkinData.BGChanged = false;
    return;
  }
  TCacheInfo ci = SkinData.GetParentCacheInfo();
  // A parent that tells nothing leaves the cache's own pixels as the background.
  if (!ci.Ready && ci.FillColor == clNoColor) ci = MakeCacheInfo(&cache, -Left(), -Top());
  const bool active = Active();
  const TPoint position{Left(), Top()};
  // The box's background never takes the section's pressed look: only the glyph shows the press.
  PaintControlItem(SkinData, ci, active ? StateHot : StateNormal, TRect{0, 0, cache.Width(), cache.Height()},
                   position, cache, true);
  PaintCaption(cache, GlyphSize().ImageWidth, active);
  PaintGlyph(cache, active);
  if (!Enabled()) ApplyDisabledLook(cache, FDisabledKind, ParentBackgroundColor(Parent()), position, ci);
  SkinData.BGChanged = false;
}

void TsCheckBox::PaintCaption(TBitmap32& cache, int glyphWidth, bool active) {
  const std::u16string caption = U16(Caption());
  if (caption.empty()) return;
  TCheckCaption layout;
  {
    TBitmapCanvas canvas(cache);
    canvas.Canvas().SetFont(Font());
    TGdiTextRenderer measurer(Font().Handle());
    layout = CheckCaptionLayout(LayoutInput(), glyphWidth, measurer, caption);
    WriteSkinText(canvas.Canvas(), caption, Enabled(), active, SkinData, layout.Flags, layout.R);
  }
  if (Focused() && FShowFocus) DrawDottedFocusFrame(cache, CheckFocusRect(layout.R, FWordWrap), clBtnFace);
}

void TsCheckBox::PaintGlyph(TBitmap32& cache, bool active) {
  const int32_t glyphState = CheckGlyphState(FPressed, active);
  const TGlyphStrip size = GlyphSize();
  const TRect glyph = CheckGlyphRect(LayoutInput(), size.ImageWidth, size.ImageHeight);
  if (UsesImageList()) {
    const TBitmap32* image = FImages->Image(Checked() ? FImgChecked : FImgUnchecked);
    if (!image) return;
    if (ListImageIsStrip(image->Width(), image->Height())) {
      DrawStripGlyph(cache, glyph, *image, glyphState);
    } else {
      const TRect src{0, 0, image->Width(), image->Height()};
      CopyAlphaBitmap(OffsetRect(src, glyph.Left, glyph.Top), src, cache, false, EmptyCacheInfo(), image);
    }
    return;
  }
  const TPicture& own = Checked() ? FGlyphChecked : FGlyphUnChecked;
  if (!own.Empty()) {
    DrawStripGlyph(cache, glyph, own.Bitmap(), glyphState);
    return;
  }
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!SkinData.Skinned()) return;
  const int mask = State() == cbChecked  ? m->ConstData.CheckBoxChecked
                   : State() == cbGrayed ? m->ConstData.CheckBoxGrayed
                                         : m->ConstData.CheckBoxUnChecked;
  if (!m->IsValidImgIndex(mask)) return;
  // The mark's transparent pixels keep what the cache already shows.
  DrawMaskGlyph(cache, TPoint{glyph.Left, glyph.Top}, glyphState, MakeCacheInfo(&cache, 0, 0),
                m->ma[static_cast<size_t>(mask)], 1);
}

void TsCheckBox::PaintCached(HDC dc, bool printing) {
  // While a fade runs its frames are the picture; a paint in between would show the end look too early.
  if (FadeTimer && !printing) return;
  MeasureHalfVisibleByBounds();
  PrepareCache();
  SkinData.CopyCacheToDC(TPoint{}, dc, TRect{0, 0, Width(), Height()}, true);
}

void TsCheckBox::EndParentUpdate(TMessage&) {
  // The box is rebuilt at every paint: one left partly hidden paints again too.
  if (!SkinData.FUpdating && !SkinData.HalfVisible) return;
  SkinData.FUpdating = false;
  RequestRepaint();
}

// ---- Input while skinned ---------------------------------------------------------------------------------

// The box takes the press itself, so it raises the framework's mouse and key events where the system's
// handling would have: after the press has shown, after the release has toggled.
void TsCheckBox::WMLButtonDown(TMessage& message, POINT pt) {
  message.Result = 0;
  if (!Enabled() || ReadOnly) return;
  FPressed = true;
  ControlState |= csLButtonDown;
  StartFade(FadeTimer, SkinData, true, FadeEventAllowed(aeMouseDown, AnimatEvents, SkinData.EffectiveManager()));
  TDestroyWatch watch(this);
  if (!Focused() && CanFocus()) SetFocus();
  if (watch.Destroyed()) return;
  if (message.Msg == WM_LBUTTONDBLCLK) DblClick();
  else MouseDown(mbLeft, ShiftStateFromMouseKeys(message.WParam), pt.x, pt.y);
}

void TsCheckBox::WMLButtonUp(TMessage& message, POINT pt) {
  message.Result = 0;
  ControlState &= ~csLButtonDown;
  if (!Enabled() || ReadOnly) return;
  TDestroyWatch watch(this);
  Release();
  if (!watch.Destroyed()) MouseUp(mbLeft, ShiftStateFromMouseKeys(message.WParam), pt.x, pt.y);
}

void TsCheckBox::WMKeyDown(TMessage& message, UINT key) {
  if (key != VK_SPACE) return TInherited::WndProc(message);
  message.Result = 0;
  if (!Enabled() || ReadOnly) return;
  FPressed = true;
  TDestroyWatch watch(this);
  if (!Focused() && CanFocus()) SetFocus();
  if (watch.Destroyed()) return;
  RequestRepaint();
  WORD space = VK_SPACE;
  KeyDown(space, KeyboardShiftState());
}

void TsCheckBox::WMKeyUp(TMessage& message, UINT key) {
  if (key != VK_SPACE) return TInherited::WndProc(message);
  message.Result = 0;
  if (ReadOnly) return;
  TDestroyWatch watch(this);
  Release();
  if (watch.Destroyed()) return;
  WORD space = VK_SPACE;
  KeyUp(space, KeyboardShiftState());
}

void TsCheckBox::Release() {
  if (!FPressed) return;
  FPressed = false;
  TDestroyWatch watch(this);
  Toggle();
  if (watch.Destroyed()) return;
  // A box resized by its click (AutoSize) cannot fade between pictures of different sizes.
  if (FadeTimer && SkinData.CacheBmp() && SkinData.CacheBmp()->Width() != Width()) {
    StopFade(FadeTimer);
    RequestRepaint();
  }
}

void TsCheckBox::FWMouseEnter(TMessage& message) {
  const bool wasAbove = SkinData.FMouseAbove;
  TInherited::WndProc(message);
  if (!Enabled()) return;
  CallEvent(OnMouseEnter, this);
  if (!wasAbove && !ReadOnly)
    StartFade(FadeTimer, SkinData, false, FadeEventAllowed(aeMouseEnter, AnimatEvents, SkinData.EffectiveManager()));
}

void TsCheckBox::FWMouseLeave(TMessage& message) {
  TInherited::WndProc(message);
  // A press the mouse took away from the box is no click.
  FPressed = false;
  ControlState &= ~csLButtonDown;
  if (!Enabled()) return;
  CallEvent(OnMouseLeave, this);
  if (!ReadOnly)
    StartFade(FadeTimer, SkinData, false, FadeEventAllowed(aeMouseLeave, AnimatEvents, SkinData.EffectiveManager()));
}

void TsCheckBox::WMSetFocus(TMessage& message) {
  TInherited::WndProc(message);
  if (!Enabled()) return;
  SkinData.BGChanged = true;
  if (FadeTimer) PrepareFade(FadeTimer, SkinData, false);
  else RequestRepaint();
}

void TsCheckBox::WMKillFocus(TMessage& message) {
  StopFade(FadeTimer);
  TInherited::WndProc(message);
  SkinData.FFocused = false;
  SkinData.FMouseAbove = false;
  RequestRepaint();
}

void TsCheckBox::BMSetCheck(TMessage& message) {
  StopFade(FadeTimer);
  TInherited::WndProc(message);
  RequestRepaint();
}

void TsCheckBox::FWChanged(TMessage& message) {
  TInherited::WndProc(message);
  if (IsLoading()) return;
  StartFade(FadeTimer, SkinData, true, FadeEventAllowed(aeMouseUp, AnimatEvents, SkinData.EffectiveManager()));
}

void TsCheckBox::FWEnabledChanged(TMessage& message) {
  TInherited::WndProc(message);
  if (!Enabled()) StopFade(FadeTimer);
  FPressed = false;
  RequestRepaint();
}

void TsCheckBox::FWCaptionChanged(TMessage& message) {
  TInherited::WndProc(message);
  LayoutChanged();
}

// ---- Skin commands -----------------------------------------------------------------------------------

void TsCheckBox::SkinChanged(TMessage& message, TSkinCommand code) {
  const bool ownManager = reinterpret_cast<TsSkinManager*>(message.LParam) == SkinData.EffectiveManager();
  if (ownManager) StopFade(FadeTimer);
  TInherited::WndProc(message);
  if (!ownManager) return;
  UpdateOwnerDraw();
  if (code == skcRefresh) AdjustSize();
  if (code != skcNewSkin) RequestRepaint();
}

void TsCheckBox::SkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  switch (code) {
    case skcNewSkin:
    case skcRemoveSkin:
    case skcRefresh:
      return SkinChanged(message, code);
    case skcStopFading:
      StopFade(FadeTimer);
      RequestRepaint();
      return;
    case skcFadeFrame:
      message.Result = 0;  // the timer shows the frame
      return;
    default:
      return TInherited::WndProc(message);
  }
}

void TsCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SkinCommandMsg:
      return SkinCommand(message);
    case FW_TEXT_CHANGED:
    case FW_FONT_CHANGED:
      return FWCaptionChanged(message);
    case FW_BIDI_CHANGED:
      TsSkinned::WndProc(message);
      return RequestRepaint();
    case FW_MOUSE_ENTER:
      return FWMouseEnter(message);
    case FW_MOUSE_LEAVE:
      return FWMouseLeave(message);
    default:
      break;
  }
  if (!SkinData.Skinned()) return TInherited::WndProc(message);
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_ENABLE:
      // The cache is the only picture: nothing for the system to draw.
      message.Result = 0;
      return;
    case CN_DRAWITEM:
      message.Result = TRUE;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return WMLButtonDown(message, PointFromLParam(message.LParam));
    case WM_LBUTTONUP:
      return WMLButtonUp(message, PointFromLParam(message.LParam));
    case WM_KEYDOWN:
      return WMKeyDown(message, VirtualKeyFrom(message.WParam));
    case WM_KEYUP:
      return WMKeyUp(message, VirtualKeyFrom(message.WParam));
    case WM_SETFOCUS:
      return WMSetFocus(message);
    case WM_KILLFOCUS:
      return WMKillFocus(message);
    case BM_SETCHECK:
      return BMSetCheck(message);
    case FW_CHANGED:
      return FWChanged(message);
    case FW_ENABLED_CHANGED:
      return FWEnabledChanged(message);
    default:
      return TInherited::WndProc(message);
  }
}

}  // namespace qw
