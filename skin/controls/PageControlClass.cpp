#include "skin/controls/PageControlClass.h"

#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "fw/FormValue.h"
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
  g.Property<TsTabSheet>("TsTabSheet", "TabType", [](TsTabSheet& c, V v, R) {
    c.TabType = FormEnum(v, kTabTypes, "tab type");
  });
  g.Property<TsTabSheet>("TsTabSheet", "TabSkin", [](TsTabSheet& c, V v, R r) {
    const std::wstring s = r.String(v);
    c.TabSkin.assign(s.begin(), s.end());
  });
}

}  // namespace qw
