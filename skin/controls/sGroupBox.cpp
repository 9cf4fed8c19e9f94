#include "skin/controls/sGroupBox.h"

#include "fw/BitmapCanvas.h"
#include "fw/Canvas.h"
#include "image/BitmapClip.h"
#include "image/BitmapDC_win.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/SectionText_win.h"

namespace qw {

namespace {

// The section painted under a caption that shows what lies behind the box.
constexpr std::u16string_view kCaptionPlate = u"CHECKBOX";

// A parent that knows nothing of its background still has a colour.
TCacheInfo Known(TCacheInfo ci, TControl& control) {
  if (ci.Ready || ci.FillColor != clNoColor) return ci;
  ci.FillColor = ParentBackgroundColor(control.Parent());
  if (ci.FillColor == clNoColor) ci.FillColor = ColorToRGB(control.Color());
  return ci;
}

}  // namespace

void TsMargin::Set(int& field, int value) {
  if (field == value) return;
  field = value;
  FOwner.LookChanged();
}

TsGroupBox::TsGroupBox() { ControlStyle &= ~csOpaque; }

// ---- Properties ----------------------------------------------------------------------------------------

void TsGroupBox::LookChanged() {
  if (IsLoading()) return;
  RequestRepaint();
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayout value) {
  if (value == FCaptionLayout) return;
  FCaptionLayout = value;
  if (!FText.empty()) LookChanged();
}

void TsGroupBox::SetCaptionYOffset(int value) {
  if (value == FCaptionYOffset) return;
  FCaptionYOffset = value;
  LookChanged();
}

void TsGroupBox::SetCaptionSkin(std::u16string_view value) {
  // Section names are upper case; an empty name means no caption section.
  const std::u16string name = value.empty() ? std::u16string() : NormalizeSectionName(value);
  if (name == FCaptionSkin) return;
  FCaptionSkin = name;
  LookChanged();
}

void TsGroupBox::SetCaptionWidth(int value) {
  if (value == FCaptionWidth) return;
  FCaptionWidth = value;
  LookChanged();
}

// ---- Layout --------------------------------------------------------------------------------------------

int TsGroupBox::TextWidth(std::wstring_view text) const {
  HDC dc = CreateCompatibleDC(nullptr);
  SIZE s{};
  {
    TCanvas canvas(dc);
    canvas.SetFont(Font());
    s = canvas.TextExtent(text);
  }
  DeleteDC(dc);
  return s.cx;
}

TRect TsGroupBox::CaptionRect() const {
  HDC dc = CreateCompatibleDC(nullptr);
  TGroupBoxCaption c;
  {
    TCanvas canvas(dc);
    canvas.SetFont(Font());
    c.LetterHeight = canvas.TextExtent(L"W").cy;
    c.TextWidth = canvas.TextExtent(FText).cx;
  }
  DeleteDC(dc);
  c.BoxWidth = Width();
  c.Layout = FCaptionLayout;
  c.YOffset = FCaptionYOffset;
  c.Margin = CaptionMargin.Values();
  c.FixedWidth = FCaptionWidth;
  c.Skinned = SkinData.Skinned();
  return GroupBoxCaptionRect(c);
}

// ---- Painting ------------------------------------------------------------------------------------------

bool TsGroupBox::MayPaint() const { return SkinData.Skinned() && !IsDestroying() && Visible(); }

void TsGroupBox::PrepareCache() {
  SkinData.InitCacheBmp();
  TBitmap32& cache = *SkinData.CacheBmp();
  SkinData.BGChanged = false;
  if (cache.Empty()) return;
  const TCacheInfo ci = Known(SkinData.GetParentCacheInfo(), *this);
  const TRect cr = CaptionRect();
  // The band above the frame shows what lies behind the box.
  PaintParentBackground(cache, TRect{0, 0, Width(), HeightOfRect(cr)}, ci, TPoint{Left(), Top()});
  const int y = GroupBoxFrameTop(cr, FCaptionYOffset);
  PaintControlItem(SkinData, ci, StateNormal, TRect{0, y, Width(), Height()}, TPoint{Left(), Top() + y}, cache, true);
  if (!FText.empty()) WriteText(cr, ci);
}

void TsGroupBox::WriteText(const TRect& captionRect, const TCacheInfo& ci) {
  TBitmap32& cache = *SkinData.CacheBmp();
  TsSkinManager* m = SkinData.EffectiveManager();
  if (!m) return;
  const TRect inCache = ClipRectToSize(captionRect, cache.Width(), cache.Height());
  if (IsRectEmpty(inCache)) return;
  // A group box is never hot: its caption keeps the normal look whatever the mouse or focus does.
  constexpr bool hot = false;
  constexpr int state = StateNormal;
  const std::u16string text(FText.begin(), FText.end());
  const uint32_t flags = GroupBoxCaptionFlags(FCaptionWidth != 0, false);
  const TsMarginValues& margin = CaptionMargin.Values();
  if (FCaptionSkin.empty()) {
    // The caption interrupts the frame line: what lies behind the box shows through it.
    const TPoint at{Left() + inCache.Left, Top() + inCache.Top};
    PaintParentBackground(cache, inCache, ci, at);
    const int plate = m->GetSkinIndex(kCaptionPlate);
    if (m->IsValidSkinIndex(plate)) PaintSectionItem(plate, kCaptionPlate, ci, state, inCache, at, cache, m);
    TBitmapCanvas target(cache);
    target.Canvas().SetFont(Font());
    WriteSkinText(target.Canvas(), text, Enabled(), hot, SkinData, flags, GroupBoxTextRect(captionRect, margin));
    return;
  }
  // A caption on its own section, painted over the box's picture.
  const int index = m->GetSkinIndex(FCaptionSkin);
  TBitmap32 plate(WidthOfRect(inCache), HeightOfRect(inCache));
  TCacheInfo own;
  own.Bmp = &cache;
  own.Ready = true;
  const TRect whole{0, 0, plate.Width(), plate.Height()};
  PaintParentBackground(plate, whole, own, TPoint{inCache.Left, inCache.Top});
  PaintSectionItem(index, FCaptionSkin, own, state, whole, TPoint{inCache.Left, inCache.Top}, plate, m);
  {
    TBitmapCanvas target(plate);
    target.Canvas().SetFont(Font());
    const TRect r = OffsetRect(GroupBoxTextRect(captionRect, margin), -inCache.Left, -inCache.Top);
    if (SkinData.CustomFont() || !m->IsValidSkinIndex(index)) {
      SetBkMode(target.Handle(), TRANSPARENT);
      DrawTextPassesDC(target.Handle(), text, r, flags, {TTextPass{{0, 0}, ColorToRGB(Font().Color())}});
    } else {
      WriteSectionText(target.Handle(), text, Enabled(), m, hot, index, flags, r);
    }
  }
  for (int y = 0; y < plate.Height(); ++y)
    std::copy_n(plate.Row(y), plate.Width(), cache.Row(inCache.Top + y) + inCache.Left);
}

void TsGroupBox::PaintToDC(HDC dc) {
  SkinData.CopyCacheToDC(TPoint{}, dc, TRect{0, 0, Width(), Height()}, false);
  PaintGraphicChildren(dc, *this, TPoint{});
}

void TsGroupBox::PaintCached(HDC dc, bool) {
  // A box whose look does not depend on what lies behind it never needs rebuilding for that.
  SkinData.HalfVisible = false;
  if (SkinData.RepaintIfMoved()) MeasureHalfVisibleByCorners();
  if (!SkinData.UrgentPainting) PrepareCache();
  PaintToDC(dc);
}

void TsGroupBox::AfterScreenPaint() { NotifyChildrenParentPainted(*this); }

void TsGroupBox::EndParentUpdate(TMessage& message) {
  TsSkinned::WndProc(message);
  SkinData.RepaintAfterParentUpdate();
}

// ---- Messages ------------------------------------------------------------------------------------------

void TsGroupBox::SkinCommand(TMessage& message, TSkinCommand code) {
  switch (code) {
    case skcPaintBackground:
      if (auto* info = SkinCommandAddress<TBackgroundInfo>(message, this);
          info && !FCaptionSkin.empty() && SkinData.Skinned() && !SkinData.CacheBmp()->Empty()) {
        // Children of a box with a caption section see the box's own picture.
        info->BgType = btCache;
        info->Bmp = SkinData.CacheBmp();
        info->Offset = TPoint{};
        if (info->PleaseDraw && info->DrawDC) CopyBitmapToDC(info->DrawDC, *info->Bmp, info->R, TPoint{});
        message.Result = 1;
        return;
      }
      return TInherited::WndProc(message);
    case skcSetUrgentPainting:
      TInherited::WndProc(message);
      if (SkinData.UrgentPainting && MayPaint()) PrepareCache();
      return;
    case skcRefresh:
    case skcRemoveSkin:
      TInherited::WndProc(message);
      if (reinterpret_cast<TsSkinManager*>(message.LParam) == SkinData.EffectiveManager() && HandleAllocated())
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return;
    default:
      return TInherited::WndProc(message);
  }
}

void TsGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return TGroupBox::WndProc(message);
    case FW_TEXT_CHANGED:
      TInherited::WndProc(message);
      return LookChanged();
    case FW_FONT_CHANGED:
      TInherited::WndProc(message);
      if (!FText.empty()) LookChanged();
      return;
    case FW_VISIBLE_CHANGED:
    case WM_WINDOWPOSCHANGED:
      SkinData.BGChanged = true;
      return TInherited::WndProc(message);
    case SkinCommandMsg:
      return SkinCommand(message, SkinCommandCode(message.WParam));
    default:
      return TInherited::WndProc(message);
  }
}

}  // namespace qw
