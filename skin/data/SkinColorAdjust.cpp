#include "skin/data/SkinColorAdjust.h"

#include <algorithm>
#include <functional>
#include <string>

#include "skin/data/SkinLoader.h"
#include "image/BitmapColor.h"

namespace qw {

namespace {

using TColorFn = std::function<int32_t(int32_t)>;

void AdjustFont(TsFontColor& f, const TColorFn& fn) {
  for (int32_t* c : {&f.Color, &f.Left, &f.Top, &f.Right, &f.Bottom})
    if (*c != -1) *c = fn(*c);
}

void AdjustGradient(TsGradArray& a, const TColorFn& fn) {
  for (TsGradPie& p : a) {
    p.Color1 = static_cast<uint32_t>(fn(static_cast<int32_t>(p.Color1)));
    p.Color2 = static_cast<uint32_t>(fn(static_cast<int32_t>(p.Color2)));
  }
}

// Every colour a skin holds outside its images.
void AdjustColors(TSkinTables& t, const TColorFn& raw) {
  // "No colour" (-1) and the transparent key (magenta) are markers, not colours: they stay as they are.
  TColorFn fn = [&](int32_t c) { return c == -1 || c == 0xFF00FF ? c : raw(c); };
  for (TsGeneralData& g : t.gd) {
    for (TsGenState& s : g.Props) {
      s.Color = fn(s.Color);
      s.GlowColor = fn(s.GlowColor);
      AdjustFont(s.FontColor, fn);
      AdjustGradient(s.GradientArray, fn);
    }
  }
  t.SkinData.Shadow1Color = fn(t.SkinData.Shadow1Color);
  t.SkinData.BorderColor = fn(t.SkinData.BorderColor);
}

}  // namespace

void ApplyHueOffset(TSkinTables& t, int offset) {
  std::vector<size_t> keep;
  struct TSaved {
    TRect R;
    TBitmap32 Pixels;
  };
  std::vector<TSaved> saved;
  if (int16_t mode = t.SkinData.BIKeepHUE; mode != 0) {
    std::vector<std::u16string> glyphs = {u"BICONCLOSE", u"SICONCLOSE"};
    if (mode == 1)
      glyphs.insert(glyphs.end(), {u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP", u"SICONMAX", u"SICONMIN", u"SICONNORM"});
    for (const std::u16string& name : glyphs) {
      int i = t.GetMaskIndex(u"GLOBALINFO", name);
      if (i >= 0) {
        TsMaskData& m = t.ma[static_cast<size_t>(i)];
        if (m.Bmp) {
          keep.push_back(static_cast<size_t>(i));
        } else {
          TRect r = IntersectRects(m.R, Rect(0, 0, t.MasterBitmap.Width(), t.MasterBitmap.Height()));
          TSaved s{r, TBitmap32(WidthOfRect(r), HeightOfRect(r))};
          for (int y = 0; y < HeightOfRect(r); ++y)
            std::copy_n(t.MasterBitmap.Row(r.Top + y) + r.Left, WidthOfRect(r), s.Pixels.Row(y));
          saved.push_back(std::move(s));
        }
      }
      int glow = t.GetMaskIndex(u"GLOBALINFO", name + u"GLOW0");
      if (glow >= 0 && t.ma[static_cast<size_t>(glow)].Bmp) keep.push_back(static_cast<size_t>(glow));
    }
  }
  ChangeBitmapHue(t.MasterBitmap, offset);
  for (TSaved& s : saved)
    for (int y = 0; y < HeightOfRect(s.R); ++y)
      std::copy_n(s.Pixels.Row(y), WidthOfRect(s.R), t.MasterBitmap.Row(s.R.Top + y) + s.R.Left);
  for (size_t i = 0; i < t.ma.size(); ++i)
    if (t.ma[i].Bmp && std::find(keep.begin(), keep.end(), i) == keep.end()) ChangeBitmapHue(*t.ma[i].Bmp, offset);
  AdjustColors(t, [offset](int32_t c) { return ChangeColorHue(c, offset); });
}

void ApplySaturation(TSkinTables& t, int amount) {
  ChangeBitmapSaturation(t.MasterBitmap, amount);
  for (TsMaskData& m : t.ma)
    if (m.Bmp) ChangeBitmapSaturation(*m.Bmp, amount);
  AdjustColors(t, [amount](int32_t c) { return ChangeColorSaturation(c, amount); });
}

void AdjustSkinColors(TSkinTables& t, int hueOffset, int saturation) {
  if (hueOffset != 0) ApplyHueOffset(t, hueOffset);
  int amount = saturation % 101;
  if (amount != 0) ApplySaturation(t, amount);
}

}  // namespace qw
