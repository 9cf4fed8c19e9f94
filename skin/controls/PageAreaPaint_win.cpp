#include "skin/controls/PageAreaPaint_win.h"

#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

// The control's skin data with the page area's section in place of the control's own: the positional
// section is a choice of the paint, not of the control.
class TPageAreaPaintData : public TsControlPaintData {
 public:
  TPageAreaPaintData(const TsCommonData& data, int skinIndex, int borderIndex)
      : FData(data), FSkinIndex(skinIndex), FBorderIndex(borderIndex) {}
  TsSkinManager* EffectiveManager() const override { return FData.EffectiveManager(); }
  int SkinIndex() const override { return FSkinIndex; }
  int BorderIndex() const override { return FBorderIndex; }
  int Texture() const override { return FSkinIndex == FData.SkinIndex() ? FData.Texture() : -1; }
  int HotTexture() const override { return FSkinIndex == FData.SkinIndex() ? FData.HotTexture() : -1; }
  TColor CustomBackgroundColor() const override { return FData.CustomBackgroundColor(); }
  int HueOffset() const override { return FData.HueOffset(); }
  int Saturation() const override { return FData.Saturation(); }
  TCacheInfo ParentCacheInfo() const override { return FData.ParentCacheInfo(); }
  TColor StateColor(int state) const override { return FData.StateColor(state); }
  TPoint OwnerPosition() const override { return FData.OwnerPosition(); }

 private:
  const TsCommonData& FData;
  int FSkinIndex;
  int FBorderIndex;
};

}  // namespace

TPageAreaSection ResolvePageAreaSection(const TsCommonData& data, TTabPosition side) {
  TPageAreaSection s{data.SkinSection(), data.SkinIndex(), data.BorderIndex()};
  const TsSkinManager* m = data.EffectiveManager();
  if (!m) return s;
  static constexpr const char16_t* kPositional[] = {u"PAGECONTROL", u"PAGECONTROLBOTTOM", u"PAGECONTROLLEFT",
                                                    u"PAGECONTROLRIGHT"};
  const int positional = m->GetSkinIndex(kPositional[side]);
  const std::u16string name = PageAreaSection(data.SkinSection(), side, m->IsValidSkinIndex(positional));
  if (name == data.SkinSection()) return s;
  return TPageAreaSection{name, positional, m->GetMaskIndex(positional, name, u"BORDERSMASK")};
}

void PaintPageArea(const TsCommonData& data, const TPageAreaSection& section, const TCacheInfo& ci, const TRect& r,
                   TPoint pos, TBitmap32& cache) {
  const TPageAreaPaintData area(data, section.SkinIndex, section.BorderIndex);
  PaintControlItem(area, ci, StateNormal, r, pos, cache, true);
}

TColor PaintTabFace(const TsSkinManager& manager, int section, std::u16string_view name, int state,
                    const TCacheInfo& ci, TPoint pos, TBitmap32& tab, TColor defaultFont) {
  const TRect all{0, 0, tab.Width(), tab.Height()};
  if (!manager.IsValidSkinIndex(section)) {
    PaintParentBackground(tab, all, ci, pos);
    return defaultFont;
  }
  const TsGeneralData& g = manager.gd[static_cast<size_t>(section)];
  state = LimitState(g, state);
  PaintSectionItem(section, name, ci, state, all, pos, tab, &manager);
  return static_cast<TColor>(state != 0 ? g.HotFontColor().Color : g.FontColor().Color);
}

}  // namespace qw
