#pragma once
// Skins for the painting tests, built in code: a manager whose tables (sections, masks, master bitmap)
// the test fills itself, a control made of plain fields, and a text renderer with fixed metrics.
#include <cstdint>
#include <functional>
#include <string>

#include "skin/data/SkinManager.h"
#include "skin/render/ControlPaintData.h"
#include "skin/render/TextPaint.h"

namespace qw::test {

// A manager with an empty skin; sections and masks are added by the test.
class TTestSkin {
 public:
  TTestSkin() { M.Tables.MasterBitmap = TBitmap32(64, 64); }
  TsSkinManager M;

  // A section with opaque colour `color` in both states; the rest set by the caller.
  int AddSection(const std::u16string& name, int32_t color, int states = 3) {
    TsGeneralData g;
    g.ClassName = name;
    g.States = states;
    g.Props[0].Color = g.Props[1].Color = color;
    M.Tables.gd.push_back(std::move(g));
    M.Tables.RebuildIndexes();
    return static_cast<int>(M.Tables.gd.size()) - 1;
  }
  TsGeneralData& Section(int i) { return M.Tables.gd[size_t(i)]; }

  // A mask of the master bitmap.
  int AddMask(const std::u16string& section, const std::u16string& property, TRect r, int imageCount, int maskType,
              int drawMode = 0, int w = 0, int cornerType = 0) {
    TsMaskData m;
    m.ClassName = section;
    m.PropertyName = property;
    m.R = r;
    m.ImageCount = static_cast<int16_t>(imageCount);
    m.MaskType = static_cast<int16_t>(maskType);
    m.DrawMode = static_cast<int16_t>(drawMode);
    m.WL = m.WT = m.WR = m.WB = static_cast<int16_t>(w);
    m.CornerType = static_cast<int16_t>(cornerType);
    m.Manager = &M;
    M.Tables.ma.push_back(std::move(m));
    M.Tables.RebuildIndexes();
    return static_cast<int>(M.Tables.ma.size()) - 1;
  }
  TsMaskData& Mask(int i) { return M.Tables.ma[size_t(i)]; }

  // Sets master pixels of R from f(x - R.Left, y - R.Top).
  void Paint(TRect r, const std::function<uint32_t(int, int)>& f) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) M.Tables.MasterBitmap.At(x, y) = f(x - r.Left, y - r.Top);
  }
};

// A control whose skin data are plain fields.
class TTestControl final : public TsControlPaintData {
 public:
  TsSkinManager* Manager = nullptr;
  int Index = -1, Border = -1, Tex = -1, HotTex = -1;
  TColor Custom = clNoColor;
  int Hue = 0, Sat = 0;
  TCacheInfo Parent;
  TColor State0Color = 0;
  TPoint Position;
  TsSkinManager* EffectiveManager() const override { return Manager; }
  int SkinIndex() const override { return Index; }
  int BorderIndex() const override { return Border; }
  int Texture() const override { return Tex; }
  int HotTexture() const override { return HotTex; }
  TColor CustomBackgroundColor() const override { return Custom; }
  int HueOffset() const override { return Hue; }
  int Saturation() const override { return Sat; }
  TCacheInfo ParentCacheInfo() const override { return Parent; }
  TColor StateColor(int) const override { return State0Color; }
  TPoint OwnerPosition() const override { return Position; }
};

// Every character (a surrogate pair counts as one) is a 4 x 8 black block in a 5-pixel cell; text is
// drawn from R's top-left corner and cut at R unless kDtNoClip is given.
class TFakeTextRenderer final : public TTextRenderer {
 public:
  static int Glyphs(std::u16string_view text) {
    int n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
      ++n;
    }
    return n;
  }
  int Measures = 0;
  TTextExtent MeasureText(std::u16string_view text, uint32_t, int32_t) override {
    ++Measures;
    return TTextExtent{5 * Glyphs(text), 8};
  }
  void DrawTextBlack(TBitmap32& target, std::u16string_view text, const TRect& r, uint32_t flags) override {
    const int n = Glyphs(text);
    for (int i = 0; i < n; ++i)
      for (int y = r.Top; y < r.Top + 8; ++y)
        for (int x = r.Left + 5 * i; x < r.Left + 5 * i + 4; ++x) {
          if (!(flags & kDtNoClip) && (x >= r.Right || y >= r.Bottom)) continue;
          if (x >= 0 && y >= 0 && x < target.Width() && y < target.Height()) target.At(x, y) = 0;
        }
  }
};

inline uint32_t Gray(uint32_t v) { return 0xFF000000u | (v << 16) | (v << 8) | v; }

}  // namespace qw::test
