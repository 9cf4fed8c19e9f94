#include "skin/controls/SkinManagerClass.h"

#include <algorithm>

#include "base/Utf.h"
#include "fw/ClassRegistry.h"
#include "fw/FormNames.h"
#include "fw/FormReader.h"
#include "fw/WideText.h"
#include "skin/core/SkinBroadcast_win.h"

namespace qw {

namespace {

using V = const TFormValue&;
using R = TFormReader&;

TSkinServices GDescriptionServices;
// A strip wider than a screen is a typing error in the description, not a strip.
constexpr int32_t kMaxExtraLineWidth = 4096;

std::vector<std::u16string> U16Lines(const std::vector<std::wstring>& lines) {
  std::vector<std::u16string> result;
  for (const auto& line : lines) result.push_back(U16(line));
  return result;
}

// One `item ... end` of InternalSkins: the package bytes come from a resource of the program.
TsStoredSkin ReadStoredSkin(const std::vector<TFormProperty>& item, R r) {
  TsStoredSkin skin;
  for (const TFormProperty& p : item) {
    if (p.Name == "Name") skin.Name = U16(r.String(p.Value));
    else if (p.Name == "Data") skin.Data = r.ResourceData(p.Value);
    else if (p.Name == "Author") skin.Author = U16(r.String(p.Value));
    else if (p.Name == "Description") skin.Description = U16(r.String(p.Value));
    else if (p.Name == "Shadow1Color") skin.Shadow1Color = static_cast<int32_t>(r.Color(p.Value));
    else if (p.Name == "Shadow1Offset") skin.Shadow1Offset = r.Int(p.Value);
    else if (p.Name == "Shadow1Blur") skin.Shadow1Blur = r.Int(p.Value);
    else if (p.Name == "Shadow1Transparency") skin.Shadow1Transparency = r.Int(p.Value);
    else if (p.Name == "BorderColor") skin.BorderColor = static_cast<int32_t>(r.Color(p.Value));
    else r.Fail(p.Value.Line, "unknown property TsStoredSkin." + p.Name);
  }
  return skin;
}

}  // namespace

void SetDescriptionSkinServices(const TSkinServices& services) { GDescriptionServices = services; }

void RegisterSkinManagerClass(TClassRegistry& g) {
  using M = TsSkinManager;
  const std::string cls = "TsSkinManager";
  g.Register(cls, "TComponent", [] {
    auto manager = std::make_unique<M>(GDescriptionServices);
    // The manager announces its skins to the program's windows.
    manager->BroadcastHook = &WindowBroadcast();
    InstallSkinCommandFilter();
    return manager;
  });
  g.Property<M>(cls, "InternalSkins", [](M& m, V v, R r) {
    m.InternalSkins.clear();
    for (const auto& item : r.Items(v)) m.InternalSkins.push_back(ReadStoredSkin(item, r));
    if (m.OnSkinListChanged) m.OnSkinListChanged();
  });
  g.Property<M>(cls, "MenuSupport.IcoLineSkin", [](M& m, V v, R r) { m.MenuSupport.IcoLineSkin = U16(r.String(v)); });
  g.Property<M>(cls, "MenuSupport.UseExtraLine", [](M& m, V v, R r) { m.MenuSupport.UseExtraLine = r.Bool(v); });
  g.Property<M>(cls, "MenuSupport.ExtraLineWidth", [](M& m, V v, R r) {
    m.MenuSupport.ExtraLineWidth = std::clamp(r.Int(v), 0, kMaxExtraLineWidth);
  });
  g.Property<M>(cls, "MenuSupport.AlphaBlend", [](M& m, V v, R r) {
    m.MenuSupport.AlphaBlend = static_cast<uint8_t>(std::clamp(r.Int(v), 0, 255));
  });
  g.Property<M>(cls, "MenuSupport.ExtraLineFont.Name", [](M& m, V v, R r) {
    m.MenuSupport.ExtraLineFont.Name = U16(r.String(v));
  });
  g.Property<M>(cls, "MenuSupport.ExtraLineFont.Height", [](M& m, V v, R r) {
    m.MenuSupport.ExtraLineFont.Height = r.Int(v);
  });
  g.Property<M>(cls, "MenuSupport.ExtraLineFont.Color", [](M& m, V v, R r) {
    m.MenuSupport.ExtraLineFont.Color = static_cast<int32_t>(r.Color(v));
  });
  g.Property<M>(cls, "MenuSupport.ExtraLineFont.Style", [](M& m, V v, R) {
    m.MenuSupport.ExtraLineFont.Style = FormFlags(v, kFontStyles, "font style");
  });
  g.Property<M>(cls, "SkinDirectory", [](M& m, V v, R r) { m.SetSkinDirectory(U16(r.String(v))); });
  g.Property<M>(cls, "SkinName", [](M& m, V v, R r) { m.SetSkinName(U16(r.String(v))); });
  g.Property<M>(cls, "SkinInfo", [](M&, V v, R r) { r.String(v); });  // read-only: the value is ignored
  g.Property<M>(cls, "Active", [](M& m, V v, R r) {
    if (r.Bool(v) != m.Active()) m.SetActive(r.Bool(v));
  });
  g.Property<M>(cls, "IsDefault", [](M& m, V v, R r) { m.SetIsDefault(r.Bool(v)); });
  g.Property<M>(cls, "ExtendedBorders", [](M& m, V v, R r) { m.SetExtendedBorders(r.Bool(v)); });
  g.Property<M>(cls, "HighContrastAware", [](M& m, V v, R r) { m.SetHighContrastAware(r.Bool(v)); });
  g.Property<M>(cls, "SkinnedPopups", [](M& m, V v, R r) { m.SkinnedPopups = r.Bool(v); });
  g.Property<M>(cls, "Saturation", [](M& m, V v, R r) { m.SetSaturation(r.Int(v)); });
  g.Property<M>(cls, "HueOffset", [](M& m, V v, R r) { m.SetHueOffset(r.Int(v)); });
  g.Property<M>(cls, "CommonSections.Strings", [](M& m, V v, R r) { m.SetCommonSections(U16Lines(r.Strings(v))); });
  for (int i = 0; i < kThirdPartyCount; ++i) {
    const std::string name = "ThirdParty." + Utf16ToUtf8(kThirdPartyNames[i]) + ".Strings";
    g.Property<M>(cls, name, [i](M& m, V v, R r) { m.ThirdParty[static_cast<size_t>(i)] = U16Lines(r.Strings(v)); });
  }
}

}  // namespace qw
