#include "skin/controls/PageControlClass.h"

#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "fw/FormValue.h"
#include "fw/WideText.h"
#include "skin/controls/sPageControl.h"

namespace qw {

namespace {

using V = const TFormValue&;
using R = TFormReader&;

constexpr TFormName<TPageTabPosition> kTabPositions[] = {
    {"tpTop", ptTop}, {"tpBottom", ptBottom}, {"tpLeft", ptLeft}, {"tpRight", ptRight}};
constexpr TFormName<TTabStyle> kTabStyles[] = {
    {"tsTabs", tsTabs}, {"tsButtons", tsButtons}, {"tsFlatButtons", tsFlatButtons}};
constexpr TFormName<TqxTabType> kTabTypes[] = {{"ttButton", ttButton}, {"ttMenu", ttMenu}, {"ttTab", ttTab}};


}  // namespace

void RegisterPageControlClass(TClassRegistry& g) {
  g.Property<TsPageControl>("TsPageControl", "TabPosition", [](TsPageControl& c, V v, R) {
    c.SetTabPosition(FormEnum(v, kTabPositions, "tab position"));
  });
  g.Property<TsPageControl>("TsPageControl", "Style",
                            [](TsPageControl& c, V v, R) { c.Style = FormEnum(v, kTabStyles, "tab style"); });
  g.Property<TsPageControl>("TsPageControl", "ActiveIsBold", [](TsPageControl& c, V v, R r) { c.ActiveIsBold = r.Bool(v); });
  g.Property<TsPageControl>("TsPageControl", "AccessibleDisabledPages",
                            [](TsPageControl& c, V v, R r) { c.AccessibleDisabledPages = r.Bool(v); });
  g.Property<TsPageControl>("TsPageControl", "ShowUpDown", [](TsPageControl& c, V v, R r) { c.SetShowUpDown(r.Bool(v)); });
  g.Property<TsPageControl>("TsPageControl", "ShowCloseBtns",
                            [](TsPageControl& c, V v, R r) { c.SetShowCloseBtns(r.Bool(v)); });
  g.Property<TsPageControl>("TsPageControl", "CloseBtnSkin",
                            [](TsPageControl& c, V v, R r) { c.SetCloseBtnSkin(U16(r.String(v))); });
  g.Property<TsPageControl>("TsPageControl", "ShowFocus", [](TsPageControl& c, V v, R r) { c.ShowFocus = r.Bool(v); });
  g.Property<TsPageControl>("TsPageControl", "RotateCaptions",
                            [](TsPageControl& c, V v, R r) { c.RotateCaptions = r.Bool(v); });
  g.Property<TsPageControl>("TsPageControl", "TabPadding", [](TsPageControl& c, V v, R r) { c.SetTabPadding(r.Int(v)); });
  g.Property<TsPageControl>("TsPageControl", "OwnerDraw", [](TsPageControl& c, V v, R r) { c.OwnerDraw = r.Bool(v); });
  g.Property<TsPageControl>("TsPageControl", "Images", [](TsPageControl& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* images = dynamic_cast<TImageList*>(target);
      if (!images) r.Fail(line, "Images must name an image list");
      c.SetImages(images);
    });
  });
  g.Property<TsTabSheet>("TsTabSheet", "UseCloseBtn", [](TsTabSheet& c, V v, R r) { c.SetUseCloseBtn(r.Bool(v)); });
  g.Property<TsTabSheet>("TsTabSheet", "ButtonSkin",
                         [](TsTabSheet& c, V v, R r) { c.ButtonSkin = U16(r.String(v)); });
  g.Property<TsTabSheet>("TsTabSheet", "ImageIndex", [](TsTabSheet& c, V v, R r) { c.ImageIndex = r.Int(v); });
  g.Property<TsTabSheet>("TsTabSheet", "OnClickBtn", [](TsTabSheet& c, V v, R r) { c.OnClickBtn = r.Handler(v); });
  g.Property<TsTabSheet>("TsTabSheet", "TabMenu", [](TsTabSheet& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* menu = dynamic_cast<TPopupMenu*>(target);
      if (!menu) r.Fail(line, "TabMenu must name a popup menu");
      c.TabMenu = menu;
    });
  });
  g.Property<TsTabSheet>("TsTabSheet", "TabType", [](TsTabSheet& c, V v, R) {
    c.SetTabType(FormEnum(v, kTabTypes, "tab type"));
  });
  g.Property<TsTabSheet>("TsTabSheet", "TabSkin", [](TsTabSheet& c, V v, R r) {
    const std::wstring s = r.String(v);
    c.SetTabSkin(std::u16string(s.begin(), s.end()));
  });
  // A sheet's stored skin data is its own look inside the page control, not a section of its window.
  g.Property<TsTabSheet>("TsTabSheet", "SkinData.SkinSection", [](TsTabSheet& c, V v, R r) {
    const std::wstring s = r.String(v);
    c.TabSkinData.SetSkinSection(std::u16string(s.begin(), s.end()));
  });
  g.Property<TsTabSheet>("TsTabSheet", "SkinData.CustomColor", [](TsTabSheet& c, V v, R r) { c.TabSkinData.CustomColor = r.Bool(v); });
  g.Property<TsTabSheet>("TsTabSheet", "SkinData.CustomFont", [](TsTabSheet& c, V v, R r) { c.TabSkinData.CustomFont = r.Bool(v); });
}

}  // namespace qw
