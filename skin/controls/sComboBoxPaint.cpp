// The skinned combo box's pictures: the cache (section, field, button, disabled look) copied to the
// window, and the lines of the list, each drawn into a bitmap of its own and copied once.
#include <algorithm>
#include <cstring>

#include "base/Geometry_win.h"
#include "fw/BitmapCanvas.h"
#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/controls/sComboBox.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionText_win.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

constexpr uint32_t kItemTextFlags = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | DT_NOPREFIX;
constexpr int kFrameBand = 3;

// Copies R of Src to (X, Y) of Dst, clipped to both bitmaps.
void CopyPixels(TBitmap32& dst, int x, int y, const TBitmap32& src, TRect r) {
  if (x < 0) r.Left -= x, x = 0;
  if (y < 0) r.Top -= y, y = 0;
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min({r.Right, src.Width(), r.Left + dst.Width() - x});
  r.Bottom = std::min({r.Bottom, src.Height(), r.Top + dst.Height() - y});
  if (r.Right <= r.Left) return;
  for (int row = r.Top; row < r.Bottom; ++row)
    std::memcpy(dst.Row(y + row - r.Top) + x, src.Row(row) + r.Left,
                static_cast<size_t>(r.Right - r.Left) * sizeof(uint32_t));
}

void DrawLineText(HDC dc, const std::wstring& text, const TRect& r, uint32_t flags) {
  RECT rc = WinRect(r);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, flags);
}

}  // namespace

// ---- Painting ----------------------------------------------------------------------------------------

void TsComboBox::WMPaint(TMessage& message, HDC given) {
  message.Result = 0;
  PAINTSTRUCT ps;
  HDC dc = given ? given : BeginPaint(FHandle, &ps);
  if (dc && !AnimationRunning) PaintFromCache(dc);
  if (!given) EndPaint(FHandle, &ps);
}

void TsComboBox::PaintFromCache(HDC given) {
  if (!FHandle || !Showing()) return;
  SkinData.FUpdating = SkinData.QueryUpdating();
  if (!SkinData.FUpdating) PaintCached(given, given != nullptr);
}

void TsComboBox::PaintCached(HDC given, bool) {
  StaleWhenHalfVisible();
  MeasureHalfVisibleByBounds();
  if (SkinData.BGChanged) PrepareCache();
  SkinData.UpdateBorderCorners(0, 15);
  const TBitmap32* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return;
  HDC dc = given ? given : GetDC(FHandle);
  if (!dc) return;
  const int w = Width(), h = cache->Height();
  if (Style() == csSimple) {
    // The field and the list are the system's, inside the skin's frame band around the field.
    const TRect bands[4] = {{0, 0, w, kFrameBand}, {0, h - kFrameBand, w, h}, {0, kFrameBand, kFrameBand, h - kFrameBand},
                            {w - kFrameBand, kFrameBand, w, h - kFrameBand}};
    for (const TRect& r : bands) CopyBitmapToDC(dc, *cache, r, TPoint{r.Left, r.Top});
  } else if (HasFocus() && Enabled() && !FReadOnly) {
    // The system draws the field: only the frame band and the button come from the cache.
    const TRect parts[5] = {{0, 0, w, kFrameBand}, {0, h - kFrameBand, w, h}, {0, kFrameBand, kFrameBand, h - kFrameBand},
                            {w - kFrameBand, kFrameBand, w, h - kFrameBand}, ButtonRect()};
    for (const TRect& r : parts) CopyBitmapToDC(dc, *cache, r, TPoint{r.Left, r.Top});
  } else {
    CopyBitmapToDC(dc, *cache, TRect{0, 0, w, h}, TPoint{});
  }
  if (!given) ReleaseDC(FHandle, dc);
}

void TsComboBox::PrepareCache() {
  SkinData.ApplySkinColors(false);
  SkinData.InitCacheBmp();
  TBitmap32* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return;
  const bool simple = Style() == csSimple;
  // The simple box's picture is its field only: the list below is a window of its own.
  if (simple && cache->Height() != ItemHeight() + 8) *cache = TBitmap32(Width(), std::max(ItemHeight() + 8, 0));
  if (cache->Empty()) return;
  const TCacheInfo ci = SkinData.GetParentCacheInfo();
  const int state = SkinData.ControlIsActive() ? 1 : 0;
  const TPoint position{Left(), Top()};
  PaintControlItem(SkinData, ci, state, TRect{0, 0, Width(), cache->Height()}, position, *cache, true);
  const TRect field = FieldRect();
  if (!simple && field.Right > field.Left && field.Bottom > field.Top) {
    const TBitmap32 line = ItemPicture(ItemIndex(), field, ODS_COMBOBOXEDIT);
    CopyPixels(*cache, field.Left, field.Top, line, TRect{0, 0, line.Width(), line.Height()});
  }
  if (FShowButton) PaintButton(*cache);
  if (!Enabled()) {
    const TColor parentColor = FParent ? ParentBackgroundColor(FParent) : ColorToRGB(clBtnFace);
    ApplyDisabledLook(*cache, FDisabledKind, parentColor, position, ci);
  }
  SkinData.BGChanged = false;
}

void PaintComboButton(TBitmap32& cache, const TsSkinManager& m, const TComboLayoutInput& in, int state) {
  const TRect b = ComboButtonRect(in);
  if (b.Right <= b.Left) return;
  const TConstantSkinData& c = m.ConstData;
  if (m.IsValidSkinIndex(c.ComboBtnIndex))
    PaintSectionItem(c.ComboBtnIndex, u"COMBOBTN", MakeCacheInfo(&cache, 0, 0), state, b, TPoint{}, cache, &m,
                     c.ComboBtnBG, c.ComboBtnBGHot);
  // Without a glyph in the skin the button shows no arrow.
  if (!m.IsValidImgIndex(c.ComboGlyph)) return;
  const TsMaskData& glyph = m.ma[static_cast<size_t>(c.ComboGlyph)];
  const TPoint p = ComboGlyphPos(in, MaskImageWidth(glyph), MaskImageHeight(glyph));
  DrawMaskGlyph(cache, p, state, MakeCacheInfo(&cache, 0, 0), glyph, 1);
}

void TsComboBox::PaintButton(TBitmap32& cache) {
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m) return;
  PaintComboButton(cache, *m, LayoutInput(), FDropDown ? 2 : SkinData.ControlIsActive() ? 1 : 0);
}

TBitmap32 TsComboBox::ItemPicture(int index, const TRect& r, UINT state) {
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  TBitmap32 t = CreateBitmap32(std::max(w, 0), std::max(h, 0));
  if (t.Empty()) return t;
  const TsSkinManager* m = SkinData.EffectiveManager();
  const bool field = (state & ODS_COMBOBOXEDIT) != 0;
  const bool selected = (state & ODS_SELECTED) != 0;
  const TBitmap32* cache = SkinData.CacheBmp();
  TCacheInfo ci;
  ci.FillColor = ColorToRGB(Color());
  if (field && cache) ci = MakeCacheInfo(const_cast<TBitmap32*>(cache), r.Left, r.Top);
  const int selection = m ? m->GetSkinIndex(u"SELECTION") : -1;
  const bool sectionPainted = selected && m && m->IsValidSkinIndex(selection);
  if (field && cache) CopyPixels(t, 0, 0, *cache, r);
  if (selected) {
    if (sectionPainted) PaintSectionItem(selection, u"SELECTION", ci, 1, TRect{0, 0, w, h}, TPoint{}, t, m);
    else FillRect32(t, TRect{0, 0, w, h}, static_cast<TColor>(m ? m->GetHighLightColor(true) : ColorToRGB(clHighlight)), 255);
  } else if (!field) {
    FillRect32(t, TRect{0, 0, w, h}, static_cast<TColor>(m ? m->GetActiveEditColor() : ColorToRGB(clWindow)), 255);
  }
  {
    TBitmapCanvas canvas(t);
    HDC dc = canvas.Handle();
    if (!dc) return t;
    canvas.Canvas().SetFont(Font());
    SetBkMode(dc, TRANSPARENT);
    uint32_t flags = kItemTextFlags | DT_VCENTER;
    if (FRightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
    if (field) {
      // The editable field shows what is typed, which need not be an item.
      SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font().Color())));
      DrawLineText(dc, Text(), TRect{0, 0, w, h}, flags);
    } else {
      const std::wstring text = ItemText(index);
      const TRect tr{2, 0, w - 2, h};
      if (sectionPainted) {
        WriteSectionText(dc, std::u16string(text.begin(), text.end()), true, m, true, selection, flags, tr);
      } else {
        const int32_t color = selected ? (m ? m->GetHighLightFontColor(true) : ColorToRGB(clHighlightText))
                                       : (m ? m->GetActiveEditFontColor() : ColorToRGB(clWindowText));
        SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(color))));
        DrawLineText(dc, text, tr, flags);
        if (state & ODS_FOCUS) {
          RECT fr{0, 0, w, h};
          DrawFocusRect(dc, &fr);
        }
      }
    }
    GdiFlush();
  }
  return t;
}

void TsComboBox::PaintPlainItem(HDC dc, int index, const TRect& r, UINT state) {
  const bool selected = (state & ODS_SELECTED) != 0;
  RECT rc = WinRect(r);
  HBRUSH brush = CreateSolidBrush(selected ? GetSysColor(COLOR_HIGHLIGHT) : static_cast<COLORREF>(ColorToRGB(Color())));
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
  if (index < 0 || index >= static_cast<int>(Items().size())) return;
  const int saved = SaveDC(dc);
  SelectObject(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : static_cast<COLORREF>(ColorToRGB(Font().Color())));
  uint32_t flags = kItemTextFlags | DT_VCENTER;
  if (FRightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
  DrawLineText(dc, ItemText(index), TRect{r.Left + 2, r.Top, r.Right - 2, r.Bottom}, flags);
  if (state & ODS_FOCUS) DrawFocusRect(dc, &rc);
  RestoreDC(dc, saved);
}

void TsComboBox::CNDrawItem(TMessage& message, const DRAWITEMSTRUCT& item) {
  message.Result = 1;
  const TRect r{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  const int index = static_cast<int>(item.itemID);
  if (!SkinData.Skinned()) return PaintPlainItem(item.hDC, index, r, item.itemState);
  if (item.itemState & ODS_COMBOBOXEDIT) return;  // the field is the cache's
  const TBitmap32 line = ItemPicture(index, r, item.itemState);
  if (!line.Empty()) CopyBitmapToDC(item.hDC, line, TRect{0, 0, line.Width(), line.Height()}, TPoint{r.Left, r.Top});
}

}  // namespace qw
