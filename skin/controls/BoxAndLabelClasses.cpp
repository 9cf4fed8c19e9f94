#include "skin/controls/BoxAndLabelClasses.h"

#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "fw/FormValue.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"

namespace qw {

namespace {

using V = const TFormValue&;
using R = TFormReader&;

constexpr TFormName<TsCaptionLayout> kCaptionLayouts[] = {
    {"clTopLeft", clTopLeft}, {"clTopCenter", clTopCenter}, {"clTopRight", clTopRight}};

std::u16string SectionName(V v, R r) {
  const std::wstring s = r.String(v);
  return std::u16string(s.begin(), s.end());
}

void RegisterGroupBox(TClassRegistry& g) {
  const std::string name = "TsGroupBox";
  g.Property<TsGroupBox>(name, "CaptionLayout", [](TsGroupBox& c, V v, R) {
    c.SetCaptionLayout(FormEnum(v, kCaptionLayouts, "caption layout"));
  });
  g.Property<TsGroupBox>(name, "CaptionYOffset", [](TsGroupBox& c, V v, R r) { c.SetCaptionYOffset(r.Int(v)); });
  g.Property<TsGroupBox>(name, "CaptionWidth", [](TsGroupBox& c, V v, R r) { c.SetCaptionWidth(r.Int(v)); });
  g.Property<TsGroupBox>(name, "CaptionSkin", [](TsGroupBox& c, V v, R r) { c.SetCaptionSkin(SectionName(v, r)); });
  g.Property<TsGroupBox>(name, "CaptionMargin.Left", [](TsGroupBox& c, V v, R r) { c.CaptionMargin.SetLeft(r.Int(v)); });
  g.Property<TsGroupBox>(name, "CaptionMargin.Top", [](TsGroupBox& c, V v, R r) { c.CaptionMargin.SetTop(r.Int(v)); });
  g.Property<TsGroupBox>(name, "CaptionMargin.Right", [](TsGroupBox& c, V v, R r) { c.CaptionMargin.SetRight(r.Int(v)); });
  g.Property<TsGroupBox>(name, "CaptionMargin.Bottom", [](TsGroupBox& c, V v, R r) {
    c.CaptionMargin.SetBottom(r.Int(v));
  });
}

void RegisterLabel(TClassRegistry& g) {
  const std::string name = "TsLabel";
  g.Property<TsLabel>(name, "SkinSection", [](TsLabel& c, V v, R r) { c.SetSkinSection(SectionName(v, r)); });
  g.Property<TsLabel>(name, "UseSkinColor", [](TsLabel& c, V v, R r) { c.SetUseSkinColor(r.Bool(v)); });
}

}  // namespace

void RegisterBoxAndLabelClasses(TClassRegistry& registry) {
  RegisterGroupBox(registry);
  RegisterLabel(registry);
}

}  // namespace qw
