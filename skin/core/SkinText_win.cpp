#include "skin/core/SkinText_win.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "fw/Canvas.h"
#include "fw/WinControl.h"
#include "image/BitmapColor.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/GdiTextRenderer_win.h"
#include "skin/render/SectionText_win.h"

namespace qw {

namespace {

TColor Adjusted(TColor c, const TsCommonData& data) {
  if (c == clNone || c == clNoColor) return c;
  return ChangeColorSaturation(ChangeColorHue(c, data.HueOffset()), data.Saturation());
}

// The section index a parent paints with: its skin data's, or what it answers when asked.
int SectionIndexOf(TControl* parent) {
  int index = -1;
  if (parent) SendSkinCommand(parent, skcGetSkinIndex, reinterpret_cast<LPARAM>(&index));
  return index;
}

// An underlined copy of the DC's font for as long as it lives.
class TUnderlinedFont {
 public:
  explicit TUnderlinedFont(HDC dc) : FDC(dc) {
    LOGFONTW lf{};
    if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf)) return;
    lf.lfUnderline = TRUE;
    FFont = CreateFontIndirectW(&lf);
    if (FFont) FOld = SelectObject(dc, FFont);
  }
  ~TUnderlinedFont() {
    if (!FFont) return;
    SelectObject(FDC, FOld);
    DeleteObject(FFont);
  }
  TUnderlinedFont(const TUnderlinedFont&) = delete;
  TUnderlinedFont& operator=(const TUnderlinedFont&) = delete;

 private:
  HDC FDC;
  HFONT FFont = nullptr;
  HGDIOBJ FOld = nullptr;
};

}  // namespace

int CaptionColorSection(const TsCommonData& data, bool hot) {
  const TsSkinManager* m = data.EffectiveManager();
  if (!m || !data.Skinned() || data.CustomFont()) return -1;
  const int own = data.SkinIndex();
  TControl* owner = data.OwnerControl();
  const TsGeneralData& section = m->gd[static_cast<size_t>(own)];
  const bool looksUp = data.COC == COC_TsCheckBox || data.COC == COC_TsRadioButton || data.COC == COC_TsGroupBox ||
                       (owner && !dynamic_cast<TWinControl*>(owner) && owner->ParentFont());
  if (!looksUp || !owner || !owner->Parent() || section.Props[hot ? 1 : 0].Transparency <= 0) return own;
  const int lent = LentFontSection(*m, owner->Parent());
  return lent >= 0 ? lent : own;
}

int LentFontSection(const TsSkinManager& manager, TControl* from) {
  for (TControl* parent = from; parent; parent = parent->Parent()) {
    const int index = SectionIndexOf(parent);
    // An unskinned parent lends nothing and ends the search.
    if (!manager.IsValidSkinIndex(index)) return -1;
    const TsGeneralData& g = manager.gd[static_cast<size_t>(index)];
    if (g.Props[0].Transparency > 50 && parent->Parent()) continue;
    return g.GiveOwnFont ? index : -1;
  }
  return -1;
}

void WriteSkinText(TCanvas& canvas, std::u16string_view text, bool enabled, bool hot, TsCommonData& data,
                   uint32_t flags, const TRect& r) {
  if (text.empty()) return;
  HDC dc = canvas.Handle();
  const TsSkinManager* m = data.EffectiveManager();
  std::optional<TUnderlinedFont> underline;
  if (hot && m && data.Skinned() && data.SkinIndex() == m->ConstData.IndexWebBtn) underline.emplace(dc);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  SetBkMode(dc, TRANSPARENT);
  const int s = CaptionColorSection(data, hot);
  if (s >= 0) {
    const TsGeneralData& g = m->gd[static_cast<size_t>(s)];
    const TsGenState& state = g.Props[hot ? 1 : 0];
    if (TBitmap32* cache = data.CacheBmp(); cache && !cache->Empty() && state.GlowSize > 0) {
      TGdiTextRenderer renderer(static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));
      TGrayMask mask;
      GdiFlush();  // the canvas may draw into this very bitmap
      DrawTextGlow(*cache, renderer, text, r, mask, Adjusted(state.GlowColor, data), state.GlowSize,
                   gsLeft | gsTop | gsRight | gsBottom, flags);
    }
    if (!enabled) {
      const TColor dimmed = MixColors(ColorToRGB(g.Props[0].FontColor.Color), static_cast<TColor>(m->GetGlobalColor()), 0.4);
      DrawTextPassesDC(dc, text, r, flags, {TTextPass{{0, 0}, Adjusted(dimmed, data)}});
    } else {
      std::vector<TTextPass> passes = TextPasses(TTextColors{state.FontColor.Color, state.FontColor.Left,
                                                             state.FontColor.Top, state.FontColor.Right,
                                                             state.FontColor.Bottom},
                                                 true);
      for (TTextPass& p : passes) p.Color = Adjusted(p.Color, data);
      DrawTextPassesDC(dc, text, r, flags, passes, DT_NOCLIP);
    }
  } else if (enabled) {
    // Not skinned, or keeping its own font colour: the canvas as it is set.
    DrawTextPassesDC(dc, text, r, flags, {TTextPass{{0, 0}, static_cast<TColor>(GetTextColor(dc))}});
  } else {
    DrawEngravedTextDC(dc, text, r, flags);
  }
  RestoreDC(dc, saved);
}

}  // namespace qw
