// The tables' own methods: the indexes by name made once per load, the lookups over them, the border
// widths of a mask, and the per-section and constant indexes resolved after every load.
#include "skin/data/SkinTables.h"

namespace qw {

void TSkinTables::RebuildIndexes() {
  FSections.clear();
  FMasks.clear();
  FTextures.clear();
  FPatterns.clear();
  for (size_t i = 0; i < gd.size(); ++i) FSections.try_emplace(gd[i].ClassName, static_cast<int>(i));
  for (size_t i = 0; i < ma.size(); ++i) {
    FMasks.try_emplace({ma[i].ClassName, ma[i].PropertyName}, static_cast<int>(i));
    if (ma[i].ImgType == itisaTexture) FTextures.try_emplace({ma[i].ClassName, ma[i].PropertyName}, static_cast<int>(i));
  }
  for (size_t i = 0; i < pa.size(); ++i) FPatterns.try_emplace({pa[i].ClassName, pa[i].PropertyName}, static_cast<int>(i));
}

void TSkinTables::Clear() {
  gd.clear();
  ma.clear();
  pa.clear();
  MasterBitmap = TBitmap32();
  ConstData = TConstantSkinData();
  RebuildIndexes();
}

int TSkinTables::GetSkinIndex(std::u16string_view section) const {
  if (section.empty()) return -1;
  auto it = FSections.find(section);
  return it == FSections.end() ? -1 : it->second;
}

int TSkinTables::Inherited(const TNameMap& map, int skinIndex, std::u16string_view section, std::u16string_view name) const {
  // Each step goes to a parent section; a chain longer than the table has come back on itself.
  for (size_t steps = 0; steps <= gd.size(); ++steps) {
    if (skinIndex < 0 || section.empty()) return -1;
    auto it = map.find(std::pair{section, name});
    if (it != map.end()) return it->second;
    if (!IsValidSkinIndex(skinIndex)) return -1;
    const std::u16string& parent = gd[static_cast<size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == section) return -1;
    section = parent;
    skinIndex = GetSkinIndex(parent);
  }
  return -1;
}

int TSkinTables::GetMaskIndex(int skinIndex, std::u16string_view section, std::u16string_view maskName) const {
  return Inherited(FMasks, skinIndex, section, maskName);
}

int TSkinTables::GetMaskIndex(std::u16string_view section, std::u16string_view maskName) const {
  auto it = FMasks.find(std::pair{section, maskName});
  return it == FMasks.end() ? -1 : it->second;
}

int TSkinTables::GetTextureIndex(int skinIndex, std::u16string_view section, std::u16string_view keyName) const {
  return Inherited(FTextures, skinIndex, section, keyName);
}

int TSkinTables::GetPatternIndex(int skinIndex, std::u16string_view section, std::u16string_view patternName) const {
  return Inherited(FPatterns, skinIndex, section, patternName);
}

int TSkinTables::MaskWidthLeft(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return m.WL > 0 ? m.WL : m.BorderWidth > 0 ? m.BorderWidth : MaskStateWidth(m);
}
int TSkinTables::MaskWidthRight(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return m.WR > 0 ? m.WR : m.BorderWidth > 0 ? m.BorderWidth : MaskStateWidth(m);
}
int TSkinTables::MaskWidthTop(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return m.WT > 0 ? m.WT : m.BorderWidth > 0 ? m.BorderWidth : MaskRowHeight(m);
}
int TSkinTables::MaskWidthBottom(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return m.WB > 0 ? m.WB : m.BorderWidth > 0 ? m.BorderWidth : MaskRowHeight(m);
}

void TSkinTables::ResolveSectionMasks() {
  for (size_t i = 0; i < gd.size(); ++i) {
    TsGeneralData& g = gd[i];
    if (g.ClassName == kGlobalInfo) continue;
    int si = static_cast<int>(i);
    g.BorderIndex = GetMaskIndex(si, g.ClassName, u"BORDERSMASK");
    g.ImgTL = GetMaskIndex(si, g.ClassName, u"IMGTOPLEFT");
    g.ImgTR = GetMaskIndex(si, g.ClassName, u"IMGTOPRIGHT");
    g.ImgBL = GetMaskIndex(si, g.ClassName, u"IMGBTMLEFT");
    g.ImgBR = GetMaskIndex(si, g.ClassName, u"IMGBTMRIGHT");
    g.Props[0].TextureIndex = GetTextureIndex(si, g.ClassName, u"PATTERN");
    if (g.States > 1) g.Props[1].TextureIndex = GetTextureIndex(si, g.ClassName, u"HOTPATTERN");
  }
}

void TSkinTables::ResolveConstData() {
  TConstantSkinData& c = ConstData;
  c = TConstantSkinData();
  auto sec = [&](std::u16string_view s) { return static_cast<int16_t>(GetSkinIndex(s)); };
  auto mask = [&](std::u16string_view s, std::u16string_view key) {
    return static_cast<int16_t>(GetMaskIndex(GetSkinIndex(s), s, key));
  };
  auto tex = [&](std::u16string_view s, std::u16string_view key) { return GetTextureIndex(GetSkinIndex(s), s, key); };
  c.IndexGLobalInfo = sec(kGlobalInfo);
  c.IndexTabTop = sec(u"TABTOP");
  c.IndexTabBottom = sec(u"TABBOTTOM");
  c.IndexTabLeft = sec(u"TABLEFT");
  c.IndexTabRight = sec(u"TABRIGHT");
  c.IndexScrollTop = sec(u"SCROLLBTNTOP");
  c.IndexScrollBottom = sec(u"SCROLLBTNBOTTOM");
  c.IndexScrollLeft = sec(u"SCROLLBTNLEFT");
  c.IndexScrollRight = sec(u"SCROLLBTNRIGHT");
  c.IndexSliderVert = sec(u"SCROLLSLIDERV");
  c.IndexSliderHorz = sec(u"SCROLLSLIDERH");
  c.IndexScrollBar1H = sec(u"SCROLLBAR1H");
  c.IndexScrollBar1V = sec(u"SCROLLBAR1V");
  c.IndexScrollBar2H = sec(u"SCROLLBAR2H");
  c.IndexScrollBar2V = sec(u"SCROLLBAR2V");
  c.ComboBtnIndex = GetSkinIndex(u"COMBOBTN");
  c.IndexWebBtn = GetSkinIndex(u"WEBBUTTON");
  if (c.IndexGLobalInfo >= 0) {
    auto g = [&](std::u16string_view key) { return mask(kGlobalInfo, key); };
    c.CheckBoxChecked = g(u"BOXCHECKED");
    c.CheckBoxUnChecked = g(u"BOXUNCHECKED");
    c.CheckBoxGrayed = g(u"BOXGRAYED");
    c.RadioButtonChecked = g(u"RADIOCHECKED");
    c.RadioButtonUnChecked = g(u"RADIOUNCHECKED");
    c.RadioButtonGrayed = g(u"RADIOGRAYED");
    c.SmallCheckBoxChecked = g(u"SMALLCHECKED");
    c.SmallCheckBoxUnChecked = g(u"SMALLUNCHECKED");
    c.SmallCheckBoxGrayed = g(u"SMALLGRAYED");
    c.ExBorder = g(u"EXBORDER");
    c.GripRightBottom = g(u"GRIPIMAGE");
    c.GripHorizontal = g(u"GRIPHORZ");
    c.GripVertical = g(u"GRIPVERT");
    c.MaskCloseBtn = g(u"BICONCLOSE");
    c.MaskCloseAloneBtn = g(u"BICLOSEALONE");
    c.MaskMaxBtn = g(u"BICONMAX");
    c.MaskNormBtn = g(u"BICONNORM");
    c.MaskMinBtn = g(u"BICONMIN");
    c.MaskHelpBtn = g(u"BICONHELP");
    c.MaskCloseSmall = g(u"SICONCLOSE");
    c.MaskMaxSmall = g(u"SICONMAX");
    c.MaskNormSmall = g(u"SICONNORM");
    c.MaskMinSmall = g(u"SICONMIN");
    c.MaskHelpSmall = g(u"SICONHELP");
  }
  c.MaskTabTop = mask(u"TABTOP", u"BORDERSMASK");
  c.MaskTabBottom = mask(u"TABBOTTOM", u"BORDERSMASK");
  c.MaskTabLeft = mask(u"TABLEFT", u"BORDERSMASK");
  c.MaskTabRight = mask(u"TABRIGHT", u"BORDERSMASK");
  c.MaskScrollTop = mask(u"SCROLLBTNTOP", u"BORDERSMASK");
  c.MaskScrollBottom = mask(u"SCROLLBTNBOTTOM", u"BORDERSMASK");
  c.MaskScrollLeft = mask(u"SCROLLBTNLEFT", u"BORDERSMASK");
  c.MaskScrollRight = mask(u"SCROLLBTNRIGHT", u"BORDERSMASK");
  c.MaskArrowTop = mask(u"SCROLLBTNTOP", u"GLYPHMASK");
  c.MaskArrowBottom = mask(u"SCROLLBTNBOTTOM", u"GLYPHMASK");
  c.MaskArrowLeft = mask(u"SCROLLBTNLEFT", u"GLYPHMASK");
  c.MaskArrowRight = mask(u"SCROLLBTNRIGHT", u"GLYPHMASK");
  c.MaskSliderVert = mask(u"SCROLLSLIDERV", u"BORDERSMASK");
  c.MaskSliderHorz = mask(u"SCROLLSLIDERH", u"BORDERSMASK");
  c.MaskSliderGlyphVert = mask(u"SCROLLSLIDERV", u"GLYPHMASK");
  c.MaskSliderGlyphHorz = mask(u"SCROLLSLIDERH", u"GLYPHMASK");
  c.IndexBGScrollTop = mask(u"SCROLLBTNTOP", u"PATTERN");
  c.IndexBGScrollBottom = mask(u"SCROLLBTNBOTTOM", u"PATTERN");
  c.IndexBGScrollLeft = mask(u"SCROLLBTNLEFT", u"PATTERN");
  c.IndexBGScrollRight = mask(u"SCROLLBTNRIGHT", u"PATTERN");
  c.IndexBGHotScrollTop = mask(u"SCROLLBTNTOP", u"HOTPATTERN");
  c.IndexBGHotScrollBottom = mask(u"SCROLLBTNBOTTOM", u"HOTPATTERN");
  c.IndexBGHotScrollLeft = mask(u"SCROLLBTNLEFT", u"HOTPATTERN");
  c.IndexBGHotScrollRight = mask(u"SCROLLBTNRIGHT", u"HOTPATTERN");
  c.ScrollSliderBGHorz = mask(u"SCROLLSLIDERH", u"PATTERN");
  c.ScrollSliderBGHotHorz = mask(u"SCROLLSLIDERH", u"HOTPATTERN");
  c.ScrollSliderBGVert = mask(u"SCROLLSLIDERV", u"PATTERN");
  c.ScrollSliderBGHotVert = mask(u"SCROLLSLIDERV", u"HOTPATTERN");
  c.MaskScrollBar1H = mask(u"SCROLLBAR1H", u"BORDERSMASK");
  c.MaskScrollBar1V = mask(u"SCROLLBAR1V", u"BORDERSMASK");
  c.MaskScrollBar2H = mask(u"SCROLLBAR2H", u"BORDERSMASK");
  c.MaskScrollBar2V = mask(u"SCROLLBAR2V", u"BORDERSMASK");
  c.BGScrollBar1H = mask(u"SCROLLBAR1H", u"PATTERN");
  c.BGScrollBar1V = mask(u"SCROLLBAR1V", u"PATTERN");
  c.BGScrollBar2H = mask(u"SCROLLBAR2H", u"PATTERN");
  c.BGScrollBar2V = mask(u"SCROLLBAR2V", u"PATTERN");
  c.BGHotScrollBar1H = mask(u"SCROLLBAR1H", u"HOTPATTERN");
  c.BGHotScrollBar1V = mask(u"SCROLLBAR1V", u"HOTPATTERN");
  c.BGHotScrollBar2H = mask(u"SCROLLBAR2H", u"HOTPATTERN");
  c.BGHotScrollBar2V = mask(u"SCROLLBAR2V", u"HOTPATTERN");
  c.ComboBtnBorder = GetMaskIndex(u"COMBOBTN", u"BORDERSMASK");
  c.ComboBtnBG = tex(u"COMBOBTN", u"PATTERN");
  c.ComboBtnBGHot = tex(u"COMBOBTN", u"HOTPATTERN");
  c.ComboGlyph = GetMaskIndex(u"COMBOBOX", u"GLYPHMASK");
}

std::vector<TConstIndexField> ConstIndexFields(const TConstantSkinData& c) {
#define QW_F(name) TConstIndexField{#name, c.name}
  return {QW_F(IndexGLobalInfo), QW_F(IndexTabTop), QW_F(IndexTabBottom), QW_F(IndexTabLeft), QW_F(IndexTabRight),
          QW_F(IndexScrollTop), QW_F(IndexScrollBottom), QW_F(IndexScrollLeft), QW_F(IndexScrollRight),
          QW_F(IndexSliderVert), QW_F(IndexSliderHorz), QW_F(IndexScrollBar1H), QW_F(IndexScrollBar1V),
          QW_F(IndexScrollBar2H), QW_F(IndexScrollBar2V), QW_F(CheckBoxChecked), QW_F(CheckBoxUnChecked),
          QW_F(CheckBoxGrayed), QW_F(RadioButtonChecked), QW_F(RadioButtonUnChecked), QW_F(RadioButtonGrayed),
          QW_F(SmallCheckBoxChecked), QW_F(SmallCheckBoxUnChecked), QW_F(SmallCheckBoxGrayed), QW_F(ExBorder),
          QW_F(GripRightBottom), QW_F(GripHorizontal), QW_F(GripVertical), QW_F(MaskCloseBtn),
          QW_F(MaskCloseAloneBtn), QW_F(MaskMaxBtn), QW_F(MaskNormBtn), QW_F(MaskMinBtn), QW_F(MaskHelpBtn),
          QW_F(MaskCloseSmall), QW_F(MaskMaxSmall), QW_F(MaskNormSmall), QW_F(MaskMinSmall), QW_F(MaskHelpSmall),
          QW_F(MaskTabTop), QW_F(MaskTabBottom), QW_F(MaskTabLeft), QW_F(MaskTabRight), QW_F(MaskScrollTop),
          QW_F(MaskScrollBottom), QW_F(MaskScrollLeft), QW_F(MaskScrollRight), QW_F(MaskArrowTop),
          QW_F(MaskArrowBottom), QW_F(MaskArrowLeft), QW_F(MaskArrowRight), QW_F(MaskSliderVert),
          QW_F(MaskSliderHorz), QW_F(MaskSliderGlyphVert), QW_F(MaskSliderGlyphHorz), QW_F(IndexBGScrollTop),
          QW_F(IndexBGScrollBottom), QW_F(IndexBGScrollLeft), QW_F(IndexBGScrollRight), QW_F(IndexBGHotScrollTop),
          QW_F(IndexBGHotScrollBottom), QW_F(IndexBGHotScrollLeft), QW_F(IndexBGHotScrollRight),
          QW_F(ScrollSliderBGHorz), QW_F(ScrollSliderBGHotHorz), QW_F(ScrollSliderBGVert),
          QW_F(ScrollSliderBGHotVert), QW_F(MaskScrollBar1H), QW_F(MaskScrollBar1V), QW_F(MaskScrollBar2H),
          QW_F(MaskScrollBar2V), QW_F(BGScrollBar1H), QW_F(BGScrollBar1V), QW_F(BGScrollBar2H),
          QW_F(BGScrollBar2V), QW_F(BGHotScrollBar1H), QW_F(BGHotScrollBar1V), QW_F(BGHotScrollBar2H),
          QW_F(BGHotScrollBar2V), QW_F(ComboBtnIndex), QW_F(ComboBtnBorder), QW_F(ComboBtnBG),
          QW_F(ComboBtnBGHot), QW_F(ComboGlyph), QW_F(IndexWebBtn)};
#undef QW_F
}

}  // namespace qw
