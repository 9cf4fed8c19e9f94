// The check box's own published properties, as the form description names them.
#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "image/ImageError.h"
#include "skin/controls/SkinFormNames.h"
#include "skin/controls/sCheckBox.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

using V = const TFormValue&;
using R = TFormReader&;

constexpr TFormName<TCheckBoxAlignment> kCheckBoxAlignments[] = {{"taLeftJustify", TCheckBoxAlignment::taLeftJustify},
                                                         {"taRightJustify", TCheckBoxAlignment::taRightJustify}};
constexpr TFormName<TCheckBoxVAlign> kVerticalAligns[] = {
    {"vaTop", TCheckBoxVAlign::vaTop}, {"vaMiddle", TCheckBoxVAlign::vaMiddle}, {"vaBottom", TCheckBoxVAlign::vaBottom}};

TBitmap32 Picture(V v, R r) {
  const std::wstring name = r.ResourceName(v);
  TPicture picture;
  try {
    picture.LoadFromResource(name);
  } catch (const EImageError& e) {
    r.Fail(v.Line, "picture " + std::string(name.begin(), name.end()) + ": " + e.what());
  }
  return picture.Bitmap().Clone();
}

}  // namespace

void RegisterCheckBoxClass(TClassRegistry& g) {
  using C = TsCheckBox;
  const std::string n = "TsCheckBox";
  g.Property<C>(n, "GlyphChecked", [](C& c, V v, R r) { c.SetGlyphChecked(Picture(v, r)); });
  g.Property<C>(n, "GlyphUnChecked", [](C& c, V v, R r) { c.SetGlyphUnChecked(Picture(v, r)); });
  g.Property<C>(n, "ImgChecked", [](C& c, V v, R r) { c.SetImgChecked(r.Int(v)); });
  g.Property<C>(n, "ImgUnchecked", [](C& c, V v, R r) { c.SetImgUnchecked(r.Int(v)); });
  g.Property<C>(n, "Margin", [](C& c, V v, R r) { c.SetMargin(r.Int(v)); });
  g.Property<C>(n, "TextIndent", [](C& c, V v, R r) { c.SetTextIndent(r.Int(v)); });
  g.Property<C>(n, "Alignment", [](C& c, V v, R) { c.SetAlignment(FormEnum(v, kCheckBoxAlignments, "alignment")); });
  g.Property<C>(n, "VerticalAlign", [](C& c, V v, R) {
    c.SetVerticalAlign(FormEnum(v, kVerticalAligns, "vertical alignment"));
  });
  g.Property<C>(n, "WordWrap", [](C& c, V v, R r) { c.SetWordWrap(r.Bool(v)); });
  g.Property<C>(n, "AutoSize", [](C& c, V v, R r) { c.SetAutoSize(r.Bool(v)); });
  g.Property<C>(n, "DisabledKind", [](C& c, V v, R) { c.SetDisabledKind(FormFlags(v, kDisabledKindNames, "disabled kind")); });
  g.Property<C>(n, "ShowFocus", [](C& c, V v, R r) { c.SetShowFocus(r.Bool(v)); });
  g.Property<C>(n, "ReadOnly", [](C& c, V v, R r) { c.ReadOnly = r.Bool(v); });
  g.Property<C>(n, "AnimatEvents", [](C& c, V v, R) { c.AnimatEvents = FormFlags(v, kAnimatEventNames, "animation event"); });
  g.Property<C>(n, "OnValueChanged", [](C& c, V v, R r) { c.OnValueChanged = r.Handler(v); });
  g.Property<C>(n, "OnMouseEnter", [](C& c, V v, R r) { c.OnMouseEnter = r.Handler(v); });
  g.Property<C>(n, "OnMouseLeave", [](C& c, V v, R r) { c.OnMouseLeave = r.Handler(v); });
}

}  // namespace qw
