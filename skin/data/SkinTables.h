#pragma once
// The tables a loaded skin consists of: the skin-wide record, one general-data record per section, the
// masks (rectangles of the master bitmap or images of their own), the large JPEG patterns and the
// constant indexes. Painting code reads these by index only.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "skin/data/NameHash.h"

namespace qw {

class TsSkinManager;

// One gradient band.
struct TsGradPie {
  uint32_t Color1 = 0;
  uint32_t Color2 = 0;
  int32_t Percent = 0;  // 0..100
  int32_t Mode1 = 0;    // of the first band: 0 vertical, 1 horizontal, 2 four-triangle mesh
  int32_t Mode2 = 0;    // never set
  friend bool operator==(const TsGradPie&, const TsGradPie&) = default;
};
using TsGradArray = std::vector<TsGradPie>;

// Parses "Color1;Color2;Percent;Mode1;Mode2;..." into bands. Runs of ';' are one separator; the band
// count is the word count div 5. Raises ESkinError with the conversion text for a word that is not an
// integer.
TsGradArray ParseGradient(std::u16string_view text);

struct TsFontColor {
  int32_t Color = 0;
  int32_t Left = -1, Top = -1, Right = -1, Bottom = -1;  // outline colours, -1 none
  friend bool operator==(const TsFontColor&, const TsFontColor&) = default;
};

struct TsGenState {
  int32_t Color = 0;
  TsFontColor FontColor;
  int32_t GradientPercent = 0;
  std::u16string GradientData;
  TsGradArray GradientArray;
  int32_t ImagePercent = 0;
  int32_t TextureIndex = -1;
  int32_t GlowColor = 0;
  uint8_t GlowSize = 0;
  int32_t Transparency = 0;
  friend bool operator==(const TsGenState&, const TsGenState&) = default;
};

// One section of the description. The looks are stored once, in Props ([0] normal, [1] hot: every state
// from 1 up); the flat names are read-only views of them, so a colour change (hue, saturation) reaches
// every reader. A section with fewer than two states has its normal colours in Props[1] as well.
struct TsGeneralData {
  std::u16string ParentClass;
  std::u16string ClassName;
  int32_t States = 3;
  TsGenState Props[2];
  bool GiveOwnFont = false, ReservedBoolean = false, ShowFocus = false;
  int32_t GlowCount = 0, GlowMargin = 0;
  int32_t BorderIndex = -1, ImgTL = -1, ImgTR = -1, ImgBL = -1, ImgBR = -1;
  bool FadingEnabled = false;
  int32_t FadingIterations = 5;

  // The normal look.
  int32_t TextureNormal() const { return Props[0].TextureIndex; }
  int32_t Color() const { return Props[0].Color; }
  int32_t Transparency() const { return Props[0].Transparency; }
  int32_t GradientPercent() const { return Props[0].GradientPercent; }
  int32_t ImagePercent() const { return Props[0].ImagePercent; }
  const std::u16string& GradientData() const { return Props[0].GradientData; }
  const TsGradArray& GradientArray() const { return Props[0].GradientArray; }
  const TsFontColor& FontColor() const { return Props[0].FontColor; }
  int32_t GlowColor() const { return Props[0].GlowColor; }
  uint8_t GlowSize() const { return Props[0].GlowSize; }
  // The hot look.
  int32_t HotColor() const { return Props[1].Color; }
  int32_t HotTransparency() const { return Props[1].Transparency; }
  int32_t HotGradientPercent() const { return Props[1].GradientPercent; }
  int32_t HotImagePercent() const { return Props[1].ImagePercent; }
  const std::u16string& HotGradientData() const { return Props[1].GradientData; }
  const TsGradArray& HotGradientArray() const { return Props[1].GradientArray; }
  const TsFontColor& HotFontColor() const { return Props[1].FontColor; }
  int32_t HotGlowColor() const { return Props[1].GlowColor; }
  uint8_t HotGlowSize() const { return Props[1].GlowSize; }
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

enum TqxImgType : int16_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3, itisaPngGlyph = 4 };

struct TsMaskData {
  std::unique_ptr<TBitmap32> Bmp;  // own image; null for a rectangle of the master bitmap
  std::u16string ClassName;
  std::u16string PropertyName;
  TRect R;
  int16_t ImageCount = 0;
  int16_t MaskType = 0;
  int16_t BorderWidth = 0;
  int16_t DrawMode = 0;
  TqxImgType ImgType = itisaBorder;
  TsSkinManager* Manager = nullptr;
  int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  int16_t CornerType = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

struct TsPatternData {
  std::unique_ptr<TBitmap32> Img;  // the decoded JPEG
  std::u16string ClassName;
  std::u16string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

// PNG images of descriptions after version 7.45 are premultiplied by their alpha when loaded; those of
// earlier descriptions keep straight alpha (with fully transparent white cleared).
inline bool SkinPngsArePremultiplied(double version) { return version > 7.45; }

struct TsSkinData {
  std::u16string SkinPath;
  bool Active = false;
  double Version = 0;
  std::u16string Author, Description;
  int32_t Shadow1Color = 0;
  int16_t Shadow1Offset = 0, Shadow1Blur = -1, Shadow1Transparency = 0;
  int16_t ExBorderWidth = 4, ExTitleHeight = 30, ExMaxHeight = 30, ExContentOffs = 0, ExShadowOffs = 0,
          ExCenterOffs = 0, ExDrawMode = 0;
  int32_t FXColor = 0;
  int32_t BorderColor = 0;
  int16_t BISpacing = 0, BIVAlign = 0, BIRightMargin = 0, BILeftMargin = 0, BITopMargin = 0;
  int16_t BIKeepHUE = 0;
  int16_t BICloseGlow = 0, BICloseGlowMargin = 0, BIMaxGlow = 0, BIMaxGlowMargin = 0, BIMinGlow = 0,
          BIMinGlowMargin = 0;
  bool UseAeroBluring = false;
  int32_t ExtShadowColor = 0;
};

// Indexes of frequently used sections and masks, resolved after every load. -1: the skin has none.
struct TConstantSkinData {
  int16_t IndexGLobalInfo = -1;
  int16_t IndexTabTop = -1, IndexTabBottom = -1, IndexTabLeft = -1, IndexTabRight = -1;
  int16_t IndexScrollTop = -1, IndexScrollBottom = -1, IndexScrollLeft = -1, IndexScrollRight = -1;
  int16_t IndexSliderVert = -1, IndexSliderHorz = -1;
  int16_t IndexScrollBar1H = -1, IndexScrollBar1V = -1, IndexScrollBar2H = -1, IndexScrollBar2V = -1;
  int16_t CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
  int16_t RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
  int16_t SmallCheckBoxChecked = -1, SmallCheckBoxUnChecked = -1, SmallCheckBoxGrayed = -1;
  int16_t ExBorder = -1, GripRightBottom = -1, GripHorizontal = -1, GripVertical = -1;
  int16_t MaskCloseBtn = -1, MaskCloseAloneBtn = -1, MaskMaxBtn = -1, MaskNormBtn = -1, MaskMinBtn = -1,
          MaskHelpBtn = -1;
  int16_t MaskCloseSmall = -1, MaskMaxSmall = -1, MaskNormSmall = -1, MaskMinSmall = -1, MaskHelpSmall = -1;
  int16_t MaskTabTop = -1, MaskTabBottom = -1, MaskTabLeft = -1, MaskTabRight = -1;
  int16_t MaskScrollTop = -1, MaskScrollBottom = -1, MaskScrollLeft = -1, MaskScrollRight = -1;
  int16_t MaskArrowTop = -1, MaskArrowBottom = -1, MaskArrowLeft = -1, MaskArrowRight = -1;
  int16_t MaskSliderVert = -1, MaskSliderHorz = -1, MaskSliderGlyphVert = -1, MaskSliderGlyphHorz = -1;
  int16_t IndexBGScrollTop = -1, IndexBGScrollBottom = -1, IndexBGScrollLeft = -1, IndexBGScrollRight = -1;
  int16_t IndexBGHotScrollTop = -1, IndexBGHotScrollBottom = -1, IndexBGHotScrollLeft = -1,
          IndexBGHotScrollRight = -1;
  int16_t ScrollSliderBGHorz = -1, ScrollSliderBGHotHorz = -1, ScrollSliderBGVert = -1,
          ScrollSliderBGHotVert = -1;
  int16_t MaskScrollBar1H = -1, MaskScrollBar1V = -1, MaskScrollBar2H = -1, MaskScrollBar2V = -1;
  int16_t BGScrollBar1H = -1, BGScrollBar1V = -1, BGScrollBar2H = -1, BGScrollBar2V = -1;
  int16_t BGHotScrollBar1H = -1, BGHotScrollBar1V = -1, BGHotScrollBar2H = -1, BGHotScrollBar2V = -1;
  int32_t ComboBtnIndex = -1, ComboBtnBorder = -1, ComboBtnBG = -1, ComboBtnBGHot = -1, ComboGlyph = -1;
  int32_t IndexWebBtn = -1;
};

// The section of the skin-wide keys and images.
inline constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";

// One state image's width and one row's height of a mask; a count below one counts as one.
inline int32_t MaskStateWidth(const TsMaskData& m) { return WidthOfRect(m.R) / std::max<int32_t>(1, m.ImageCount); }
inline int32_t MaskRowHeight(const TsMaskData& m) { return HeightOfRect(m.R) / std::max<int32_t>(1, m.MaskType + 1); }

// Every index of the constant table with its name, in declaration order (for dumps and checks).
struct TConstIndexField {
  const char* Name;
  int32_t Value;
};
std::vector<TConstIndexField> ConstIndexFields(const TConstantSkinData& c);

// A loaded skin: everything a manager swaps in when a load succeeds. Every lookup by name goes through a
// hash index made once per load: painting code keeps the indexes it got (in gd, ConstData and its own
// cache) and never searches by name.
struct TSkinTables {
  TsSkinData SkinData;
  TsGeneralDataArray gd;
  TsMaskArray ma;
  TsPatternArray pa;
  TBitmap32 MasterBitmap;
  TConstantSkinData ConstData;

  // Index of the first section named Section; -1 for an empty name or no match.
  int GetSkinIndex(std::u16string_view section) const;
  // The first mask of that section and key; through PARENTCLASS of gd[SkinIndex] when there is none.
  int GetMaskIndex(int skinIndex, std::u16string_view section, std::u16string_view maskName) const;
  // The first mask of that section and key, without inheritance.
  int GetMaskIndex(std::u16string_view section, std::u16string_view maskName) const;
  // As GetMaskIndex with inheritance, counting only masks of type itisaTexture.
  int GetTextureIndex(int skinIndex, std::u16string_view section, std::u16string_view keyName) const;
  // As GetMaskIndex with inheritance, over the patterns.
  int GetPatternIndex(int skinIndex, std::u16string_view section, std::u16string_view patternName) const;
  bool IsValidSkinIndex(int i) const { return i >= 0 && static_cast<size_t>(i) < gd.size(); }
  bool IsValidImgIndex(int i) const { return i >= 0 && static_cast<size_t>(i) < ma.size(); }
  int MaskWidthLeft(int maskIndex) const;
  int MaskWidthTop(int maskIndex) const;
  int MaskWidthRight(int maskIndex) const;
  int MaskWidthBottom(int maskIndex) const;

  // Makes the indexes the lookups use; called whenever the tables are rebuilt.
  void RebuildIndexes();
  // Resolves the per-section mask indexes (BorderIndex ... TextureIndex) and the constant table.
  void ResolveSectionMasks();
  void ResolveConstData();
  // Empties everything.
  void Clear();

 private:
  using TNameMap = std::unordered_map<std::pair<std::u16string, std::u16string>, int, TNameHash, TNameEqual>;
  int Inherited(const TNameMap& map, int skinIndex, std::u16string_view section, std::u16string_view name) const;
  std::unordered_map<std::u16string, int, TNameHash, TNameEqual> FSections;
  TNameMap FMasks, FTextures, FPatterns;
};

}  // namespace qw
