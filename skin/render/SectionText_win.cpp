#include "skin/render/SectionText_win.h"

#include "base/Geometry_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

void DrawOnce(HDC dc, std::u16string_view text, const TRect& r, uint32_t flags) {
  RECT rc = WinRect(r);
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &rc, flags);
}

}  // namespace

void DrawTextPassesDC(HDC dc, std::u16string_view text, const TRect& r, uint32_t flags,
                      const std::vector<TTextPass>& passes, uint32_t lastExtraFlags) {
  if (!dc || text.empty()) return;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = GetTextColor(dc);
  for (size_t i = 0; i < passes.size(); ++i) {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(passes[i].Color)));
    const uint32_t f = i + 1 == passes.size() ? flags | lastExtraFlags : flags;
    DrawOnce(dc, text, OffsetRect(r, passes[i].Offset.X, passes[i].Offset.Y), f);
  }
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

void DrawEngravedTextDC(HDC dc, std::u16string_view text, const TRect& r, uint32_t flags) {
  const TColor highlight = ColorToRGB(static_cast<TColor>(0xFF000000u | COLOR_BTNHIGHLIGHT));
  const TColor shadow = ColorToRGB(static_cast<TColor>(0xFF000000u | COLOR_BTNSHADOW));
  DrawTextPassesDC(dc, text, r, flags, {TTextPass{{1, 1}, highlight}, TTextPass{{0, 0}, shadow}});
}

void WriteSectionText(HDC dc, std::u16string_view text, bool enabled, const TsSkinManager* manager, bool hot,
                      int skinIndex, uint32_t flags, const TRect& r) {
  if (!dc || text.empty()) return;
  const TsSkinManager* m = manager ? manager : DefaultManager();
  if (!m || !m->IsValidSkinIndex(skinIndex)) {
    DrawTextPassesDC(dc, text, r, flags, {TTextPass{{0, 0}, static_cast<TColor>(GetTextColor(dc))}});
    return;
  }
  const TsGeneralData& g = m->gd[static_cast<size_t>(skinIndex)];
  if (enabled) {
    DrawTextPassesDC(dc, text, r, flags, TextPasses(SectionTextColors(*m, skinIndex, hot), true));
    return;
  }
  const TColor dimmed = MixColors(ColorToRGB(g.Props[0].FontColor.Color), ColorToRGB(g.Props[0].Color), 0.4);
  DrawTextPassesDC(dc, text, r, flags, {TTextPass{{0, 0}, dimmed}});
}

}  // namespace qw
