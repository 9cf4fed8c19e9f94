// TsBitBtn: properties, the state it shows, and its messages. Painting is in sBitBtnPaint.cpp.
#include "skin/controls/SkinFormNames.h"
#include "skin/controls/sBitBtn.h"

#include <commctrl.h>

#include "base/FlagScope.h"
#include "fw/ClassRegistry.h"
#include "fw/Form.h"
#include "fw/FormNames.h"
#include "fw/FormReader.h"
#include "fw/ImageList.h"
#include "skin/controls/SkinFormNames.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/GdiTextRenderer_win.h"

namespace qw {

namespace {

// Set only while a button repaints itself pressed once more after a quick click (its fade had not
// finished when the mouse button went up, and the system already shows it released).
bool GForcedPressed = false;
// How long that pressed look stays before the release fades in.
constexpr DWORD kQuickClickPressedMs = 30;

}  // namespace

TsBitBtn::TsBitBtn() : FDisabledKind(dkBlended), FDisabledGlyphKind(dgBlended) {
  ControlStyle &= ~csOpaque;
  WordWrap = true;
  FOldSpacing = Spacing;
  OldLayout = TBitBtn::Layout;
}

TsBitBtn::~TsBitBtn() {
  StopFade(FadeTimer);
  DeleteRegion();
}

// ---- Properties ------------------------------------------------------------------------------------------

template <class T>
void TsBitBtn::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  RequestRepaint();
}

void TsBitBtn::SetAlignment(TAlignment value) { Store(FAlignment, value); }
void TsBitBtn::SetBlend(int value) { Store(FBlend, ClampBlend(value)); }
void TsBitBtn::SetDisabledGlyphKind(int value) { Store(FDisabledGlyphKind, value); }
void TsBitBtn::SetDisabledKind(int value) { Store(FDisabledKind, value); }
void TsBitBtn::SetDrawOverBorder(bool value) { Store(FDrawOverBorder, value); }
void TsBitBtn::SetGrayed(bool value) { Store(FGrayed, value); }
void TsBitBtn::SetReflected(bool value) { Store(FReflected, value); }
void TsBitBtn::SetShowCaption(bool value) { Store(FShowCaption, value); }
void TsBitBtn::SetShowFocus(bool value) { Store(FShowFocus, value); }
void TsBitBtn::SetTextAlignment(TAlignment value) { Store(FTextAlignment, value); }
void TsBitBtn::SetTextOffset(int value) { Store(FTextOffset, value); }
void TsBitBtn::SetImages(TImageList* images) { Store(FImages, images); }
void TsBitBtn::SetImageIndex(int index) { Store(FImageIndex, index); }

void TsBitBtn::Loaded() {
  TInherited::Loaded();
  // The list's picture is the glyph: the stored one would only be kept for nothing.
  if (ListImage()) Glyph.Assign(TBitmap32());
}

void TsBitBtn::Notification(TComponent* component, TOperation operation) {
  TInherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

void TsBitBtn::SetDown(bool value) {
  if (value == FDown) return;
  FDown = value;
  RegionChanged = true;
  SkinData.BGChanged = true;
  RequestRepaint(true);
}

void TsBitBtn::Invalidate() {
  SkinData.BGChanged = true;
  TBitBtn::Invalidate();
}

// ---- State and layout ------------------------------------------------------------------------------------

int TsBitBtn::CurrentState() const {
  TBitBtnStateInput in;
  in.Down = FDown;
  in.Pushed = HandleAllocated() && (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  in.ForcedPressed = GForcedPressed;
  in.MouseAbove = SkinData.FMouseAbove;
  in.LeftHeld = (ControlState & csLButtonDown) != 0;
  in.Active = SkinData.ControlIsActive();
  in.IsDefault = Default();
  return BitBtnState(in);
}

const TBitmap32* TsBitBtn::ListImage() const { return FImages ? FImages->Image(FImageIndex) : nullptr; }

TItemSize TsBitBtn::GlyphSize() const {
  if (ListImage()) return TItemSize{FImages->Width() / std::max(1, NumGlyphs), FImages->Height()};
  if (Glyph.Empty()) return TItemSize{};
  return TItemSize{Glyph.Width() / std::max(1, NumGlyphs), Glyph.Height()};
}

TRect TsBitBtn::ImgRect(int state) const { return BitBtnImageRect(GlyphPos, GlyphSize(), state, FReflected); }

namespace {

TBitBtnContent ContentOf(const TsBitBtn& b, const std::wstring& caption) {
  TBitBtnContent c;
  const RECT client = b.ClientRect();
  c.Width = client.right - client.left;
  c.Height = client.bottom - client.top;
  c.Caption = std::u16string_view(reinterpret_cast<const char16_t*>(caption.data()), caption.size());
  c.ShowCaption = b.ShowCaption();
  c.Glyph = b.GlyphSize();
  c.Margin = b.Margin;
  c.Spacing = b.Spacing;
  c.Alignment = b.Alignment();
  c.TextAlignment = b.TextAlignment();
  c.Layout = b.TBitBtn::Layout;
  c.WordWrap = b.WordWrap;
  c.RightToLeft = UsesRightToLeftAlignment(b.BiDiMode());
  return c;
}

}  // namespace

int TsBitBtn::MaxCaptionWidth() const {
  const std::wstring caption = Text();
  return qw::MaxCaptionWidth(ContentOf(*this, caption));
}

TGlyphTextLayout TsBitBtn::ContentLayout() const {
  const std::wstring caption = Text();
  TGdiTextRenderer measurer(Font().Handle());
  return LayoutBitBtnContent(ContentOf(*this, caption), measurer);
}

// ---- Helpers ---------------------------------------------------------------------------------------------

void TsBitBtn::Fade(TqxAnimatEvent event, bool fast) {
  StartFade(FadeTimer, SkinData, fast, FadeEventAllowed(event, AnimatEvents, SkinData.EffectiveManager()));
}

// ---- Messages --------------------------------------------------------------------------------------------

void TsBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SkinCommandMsg:
      return SkinCommand(message);
    case CN_DRAWITEM:
      return CNDrawItem(message);
    case WM_UPDATEUISTATE:
      return WMUpdateUIState(message);
    case FW_MOUSE_ENTER:
      return FWMouseEnter(message);
    case FW_MOUSE_LEAVE:
      return FWMouseLeave(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return WMMouseDown(message, true);
    case WM_RBUTTONDOWN:
      return WMMouseDown(message, false);
    case WM_LBUTTONUP:
      return WMMouseUp(message, true);
    case WM_RBUTTONUP:
      return WMMouseUp(message, false);
    case BM_SETSTATE:
      return BMSetState(message);
    case BM_SETSTYLE:
      return BMSetStyle(message, static_cast<UINT>(message.WParam));
    case WM_SETFOCUS:
      return WMSetFocus(message);
    case WM_KILLFOCUS:
      return WMKillFocus(message);
    case WM_MOVE:
      return WMMove(message);
    case WM_SIZE:
      return WMSize(message);
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
      return WMWindowPos(message, RecordFrom<WINDOWPOS>(message.LParam));
    case FW_TEXT_CHANGED:
      return FWTextChanged(message);
    case FW_FONT_CHANGED:
      return FWFontChanged(message);
    case FW_VISIBLE_CHANGED:
      return FWVisibleChanged(message);
    case FW_ENABLED_CHANGED:
      return FWEnabledChanged(message);
    default:
      return TInherited::WndProc(message);
  }
}

void TsBitBtn::SkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  const bool ofManager = reinterpret_cast<TsSkinManager*>(message.LParam) == SkinData.EffectiveManager();
  switch (code) {
    case skcNewSkin:
      if (ofManager) {
        RegionChanged = true;
        StopFade(FadeTimer);
      }
      return TInherited::WndProc(message);
    case skcRemoveSkin:
      if (ofManager) StopFade(FadeTimer);
      TInherited::WndProc(message);
      if (ofManager) {
        DeleteRegion();
        RemoveWindowRegion();
        RequestRepaint(true);
      }
      return;
    case skcRefresh:
      if (ofManager) {
        StopFade(FadeTimer);
        RemoveWindowRegion();
      }
      TInherited::WndProc(message);
      if (ofManager) {
        RegionChanged = true;
        if (!SkinData.PrintDC) RequestRepaint(true);
      }
      return;
    case skcStopFading:
      StopFade(FadeTimer);
      // A fade stopped half-way leaves a blended frame on the screen: show the finished look.
      if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
      return TInherited::WndProc(message);
    case skcFadeFrame:
      DeleteRegion();
      message.Result = 0;
      return;
    case skcSetUrgentPainting:
      TInherited::WndProc(message);
      if (SkinData.UrgentPainting) PrepareCache();
      return;
    default:
      return TInherited::WndProc(message);
  }
}

void TsBitBtn::CNDrawItem(TMessage& message) {
  // The button paints itself in WM_PAINT; the system's own drawing requests find nothing to do.
  if (!SkinData.Skinned()) return TInherited::WndProc(message);
  message.Result = 1;
}

void TsBitBtn::WMUpdateUIState(TMessage& message) {
  // Focus and accelerator cues are the skin's business: nothing to redraw for the system.
  if (!SkinData.Skinned()) return TInherited::WndProc(message);
  message.Result = 0;
}

void TsBitBtn::FWMouseEnter(TMessage& message) {
  const bool wasAbove = SkinData.FMouseAbove;
  TInherited::WndProc(message);
  if (!Enabled() || wasAbove) return;
  TDestroyWatch watch(this);
  if (OnMouseEnter) OnMouseEnter(this);
  if (watch.Destroyed()) return;
  SkinData.FMouseAbove = true;
  if (!SkinData.Skinned()) return;
  SkinData.BGChanged = false;
  Fade(aeMouseEnter, false);
}

void TsBitBtn::FWMouseLeave(TMessage& message) {
  TInherited::WndProc(message);
  if (!Enabled()) return;
  TDestroyWatch watch(this);
  if (OnMouseLeave) OnMouseLeave(this);
  if (watch.Destroyed()) return;
  SkinData.FMouseAbove = false;
  if (!SkinData.Skinned()) return;
  SkinData.BGChanged = false;
  Fade(aeMouseLeave, false);
}

void TsBitBtn::HideHint() {
  if (TForm* form = GetParentForm(); form && form->HintWindow()) SendMessageW(form->HintWindow(), TTM_POP, 0, 0);
}

void TsBitBtn::WMMouseDown(TMessage& message, bool left) {
  TDestroyWatch watch(this);
  {
    // The system pushes the button and takes the capture; the look follows below, faded.
    TFlagScope pressing(FInMouseButton);
    TInherited::WndProc(message);
  }
  if (watch.Destroyed() || !SkinData.Skinned() || !Enabled()) return;
  SkinData.FUpdating = false;
  if (left) HideHint();
  FMouseClicked = true;
  if (!left || FDown) return;
  RegionChanged = true;
  SkinData.BGChanged = false;
  Fade(aeMouseDown, true);
}

void TsBitBtn::WMMouseUp(TMessage& message, bool left) {
  TDestroyWatch watch(this);
  {
    // The system releases the button; a click runs its handler, which may even destroy the button.
    TFlagScope releasing(FInMouseButton);
    TInherited::WndProc(message);
  }
  if (watch.Destroyed() || !SkinData.Skinned() || !Enabled()) return;
  if (!FMouseClicked) {
    StopFade(FadeTimer);
    return;
  }
  FMouseClicked = false;
  if (!left) return;
  if (Fading()) {
    // A click quicker than the press fade: show the pressed look for a moment before the release.
    StopFade(FadeTimer);
    SkinData.BGChanged = true;
    GForcedPressed = true;
    RequestRepaint(true);
    GForcedPressed = false;
    Sleep(kQuickClickPressedMs);
  }
  SkinData.FUpdating = false;
  RegionChanged = true;
  SkinData.BGChanged = false;
  Fade(aeMouseUp, true);
}

void TsBitBtn::BMSetState(TMessage& message) {
  const auto pushed = [this] { return (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; };
  const bool was = HandleAllocated() && pushed();
  TInherited::WndProc(message);
  // Presses by the mouse show through their fades; Space, and a held button dragged off and back, here.
  if (FInMouseButton || !SkinData.Skinned() || !HandleAllocated() || pushed() == was) return;
  StopFade(FadeTimer);
  RegionChanged = true;
  RequestRepaint(true);
}

void TsBitBtn::BMSetStyle(TMessage& message, UINT style) {
  // Whoever changes the push-button style (a dialog moving its default) must not end the owner drawing.
  message.WParam = (style & ~static_cast<UINT>(BS_TYPEMASK)) | BS_OWNERDRAW;
  TInherited::WndProc(message);
}

void TsBitBtn::WMSetFocus(TMessage& message) {
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (watch.Destroyed() || !SkinData.Skinned() || !Visible() || !Enabled()) return;
  if (Fading()) PrepareFade(FadeTimer, SkinData, false);
  else RequestRepaint();
}

void TsBitBtn::WMKillFocus(TMessage& message) {
  if (SkinData.Skinned()) StopFade(FadeTimer);
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (watch.Destroyed() || !SkinData.Skinned()) return;
  SkinData.FFocused = false;
  RequestRepaint();
}

void TsBitBtn::WMMove(TMessage& message) {
  TInherited::WndProc(message);
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!SkinData.Skinned() || !m) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(SkinData.SkinIndex())];
  // What shows through a translucent button changes with its place.
  if (g.Props[0].Transparency > 0 || (g.Props[1].Transparency > 0 && CurrentState() == StateHot)) {
    SkinData.BGChanged = true;
    RequestRepaint(true);
  }
}

void TsBitBtn::WMSize(TMessage& message) {
  RegionChanged = true;
  TInherited::WndProc(message);
}

void TsBitBtn::WMWindowPos(TMessage& message, const WINDOWPOS& pos) {
  // Only a new size changes the region's shape; applying a region itself reports a frame change,
  // which must not start another rebuild.
  if (!(pos.flags & SWP_NOSIZE)) RegionChanged = true;
  if (message.Msg == WM_WINDOWPOSCHANGED && (pos.flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
    SkinData.BGChanged = true;
  TInherited::WndProc(message);
}

void TsBitBtn::FWTextChanged(TMessage& message) {
  TInherited::WndProc(message);
  if (SkinData.Skinned()) RequestRepaint();
}

void TsBitBtn::FWFontChanged(TMessage& message) {
  TInherited::WndProc(message);
  SkinData.FUpdating = false;
  RequestRepaint();
}

void TsBitBtn::FWVisibleChanged(TMessage& message) {
  TInherited::WndProc(message);
  SkinData.BGChanged = true;
  SkinData.FUpdating = false;
  if (SkinData.Skinned() && Visible()) RequestRepaint(true);
}

void TsBitBtn::FWEnabledChanged(TMessage& message) {
  TInherited::WndProc(message);
  if (!Enabled()) StopFade(FadeTimer);
  SkinData.FUpdating = false;
  RequestRepaint();
}

// ---- Registration ----------------------------------------------------------------------------------------

namespace {

using V = const TFormValue&;
using R = TFormReader&;

constexpr TFormName<int> kDisabledGlyphKinds[] = {{"dgGrayed", dgGrayed}, {"dgBlended", dgBlended}};

}  // namespace

void RegisterBitBtnProperties(TClassRegistry& g) {
  using B = TsBitBtn;
  const std::string n = "TsBitBtn";
  g.Property<B>(n, "Alignment", [](B& c, V v, R) { c.SetAlignment(FormEnum(v, kAlignmentNames, "alignment")); });
  g.Property<B>(n, "TextAlignment", [](B& c, V v, R) { c.SetTextAlignment(FormEnum(v, kAlignmentNames, "alignment")); });
  g.Property<B>(n, "Blend", [](B& c, V v, R r) { c.SetBlend(r.Int(v)); });
  g.Property<B>(n, "DisabledKind", [](B& c, V v, R) { c.SetDisabledKind(FormFlags(v, kDisabledKindNames, "disabled kind")); });
  g.Property<B>(n, "DisabledGlyphKind", [](B& c, V v, R) {
    c.SetDisabledGlyphKind(FormFlags(v, kDisabledGlyphKinds, "disabled glyph kind"));
  });
  g.Property<B>(n, "AnimatEvents", [](B& c, V v, R) { c.AnimatEvents = FormFlags(v, kAnimatEventNames, "animation event"); });
  g.Property<B>(n, "Down", [](B& c, V v, R r) { c.SetDown(r.Bool(v)); });
  g.Property<B>(n, "DrawOverBorder", [](B& c, V v, R r) { c.SetDrawOverBorder(r.Bool(v)); });
  g.Property<B>(n, "FocusMargin", [](B& c, V v, R r) { c.FocusMargin = r.Int(v); });
  g.Property<B>(n, "Grayed", [](B& c, V v, R r) { c.SetGrayed(r.Bool(v)); });
  g.Property<B>(n, "Reflected", [](B& c, V v, R r) { c.SetReflected(r.Bool(v)); });
  g.Property<B>(n, "ShowCaption", [](B& c, V v, R r) { c.SetShowCaption(r.Bool(v)); });
  g.Property<B>(n, "ShowFocus", [](B& c, V v, R r) { c.SetShowFocus(r.Bool(v)); });
  g.Property<B>(n, "TextOffset", [](B& c, V v, R r) { c.SetTextOffset(r.Int(v)); });
  g.Property<B>(n, "ImageIndex", [](B& c, V v, R r) { c.SetImageIndex(r.Int(v)); });
  g.Property<B>(n, "Images", [](B& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* images = dynamic_cast<TImageList*>(target);
      if (!images) r.Fail(line, "Images must name an image list");
      c.SetImages(images);
    });
  });
  g.Property<B>(n, "OnMouseEnter", [](B& c, V v, R r) { c.OnMouseEnter = r.Handler(v); });
  g.Property<B>(n, "OnMouseLeave", [](B& c, V v, R r) { c.OnMouseLeave = r.Handler(v); });
}

}  // namespace qw
