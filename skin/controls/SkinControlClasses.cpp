#include "skin/controls/SkinControlClasses.h"

#include "skin/controls/SkinManagerClass.h"
#include "skin/controls/BoxAndLabelClasses.h"

#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/PageControlClass.h"
#include "skin/controls/sPageControl.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpinEdit.h"

namespace qw {

namespace {

using V = const TFormValue&;
using R = TFormReader&;

template <class T>
void RegisterSkinned(TClassRegistry& g, const std::string& name, const std::string& base) {
  g.Register<T>(name, base);
  g.Property<T>(name, "SkinData.SkinSection", [](T& c, V v, R r) {
    const std::wstring s = r.String(v);
    c.SkinData.SetSkinSection(std::u16string(s.begin(), s.end()));
  });
  g.Property<T>(name, "SkinData.CustomFont", [](T& c, V v, R r) { c.SkinData.SetCustomFont(r.Bool(v)); });
  g.Property<T>(name, "SkinData.CustomColor", [](T& c, V v, R r) { c.SkinData.SetCustomColor(r.Bool(v)); });
  g.Property<T>(name, "SkinData.HUEOffset", [](T& c, V v, R r) { c.SkinData.SetHueOffset(r.Int(v)); });
  g.Property<T>(name, "SkinData.Saturation", [](T& c, V v, R r) { c.SkinData.SetSaturation(r.Int(v)); });
}

}  // namespace

void RegisterSkinControls(TClassRegistry& g) {
  RegisterSkinned<TsBitBtn>(g, "TsBitBtn", "TBitBtn");
  RegisterBitBtnProperties(g);
  RegisterSkinned<TsCheckBox>(g, "TsCheckBox", "TCheckBox");
  RegisterCheckBoxClass(g);
  RegisterSkinned<TsEdit>(g, "TsEdit", "TEdit");
  RegisterSkinned<TsMemo>(g, "TsMemo", "TMemo");
  RegisterSkinned<TsComboBox>(g, "TsComboBox", "TComboBox");
  RegisterComboBoxClass(g);
  RegisterSkinned<TsSpinEdit>(g, "TsSpinEdit", "TsEdit");
  RegisterSpinEditClass(g);
  RegisterSkinned<TsGroupBox>(g, "TsGroupBox", "TGroupBox");
  RegisterSkinned<TsPanel>(g, "TsPanel", "TPanel");
  RegisterSkinned<TsLabel>(g, "TsLabel", "TLabel");
  RegisterBoxAndLabelClasses(g);
  RegisterSkinned<TsPageControl>(g, "TsPageControl", "TPageControl");
  RegisterSkinned<TsTabSheet>(g, "TsTabSheet", "TTabSheet");
  RegisterPageControlClass(g);
  RegisterSkinManagerClass(g);
}

}  // namespace qw
