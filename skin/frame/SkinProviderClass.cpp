#include "skin/frame/SkinProviderClass.h"

#include "fw/ClassRegistry.h"
#include "fw/FormNames.h"
#include "fw/FormReader.h"
#include "fw/Menu.h"
#include "skin/core/CommonData_win.h"
#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

using P = TsSkinProvider;
using V = const TFormValue&;
using R = TFormReader&;

constexpr TFormName<TResizeMode> kResizeModeNames[] = {{"rmStandard", TResizeMode::rmStandard},
                                                       {"rmBorder", TResizeMode::rmBorder}};
constexpr TFormName<TGripMode> kGripModeNames[] = {{"gmNone", TGripMode::gmNone}, {"gmRightBottom", TGripMode::gmRightBottom}};
constexpr TFormName<TSysSubMenuPosition> kSubMenuPositionNames[] = {{"ipTop", TSysSubMenuPosition::ipTop},
                                                                    {"ipBottom", TSysSubMenuPosition::ipBottom},
                                                                    {"ipBeforeClose", TSysSubMenuPosition::ipBeforeClose}};

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

// A flag property: the name and the field it sets.
struct TFlag {
  const char* Name;
  bool P::*Field;
};
constexpr TFlag kFlags[] = {{"AllowAnimation", &P::AllowAnimation},     {"DrawNonClientArea", &P::DrawNonClientArea},
                            {"DrawClientArea", &P::DrawClientArea},     {"MakeSkinMenu", &P::MakeSkinMenu},
                            {"ScreenSnap", &P::ScreenSnap},             {"ShowAppIcon", &P::ShowAppIcon},
                            {"UseGlobalColor", &P::UseGlobalColor},     {"AllowExtBorders", &P::AllowExtBorders},
                            {"AllowBlendOnMoving", &P::AllowBlendOnMoving}};

}  // namespace

void RegisterSkinProviderClass(TClassRegistry& g) {
  const std::string cls = "TsSkinProvider";
  g.Register<P>(cls, "TComponent");
  for (const TFlag& f : kFlags) {
    const auto field = f.Field;
    g.Property<P>(cls, f.Name, [field](P& p, V v, R r) { p.*field = r.Bool(v); });
  }
  g.Property<P>(cls, "SnapBuffer", [](P& p, V v, R r) { p.SnapBuffer = r.Int(v); });
  g.Property<P>(cls, "CaptionAlignment",
                [](P& p, V v, R) { p.CaptionAlignment = FormEnum(v, kAlignmentNames, "CaptionAlignment"); });
  g.Property<P>(cls, "ResizeMode", [](P& p, V v, R) { p.ResizeMode = FormEnum(v, kResizeModeNames, "ResizeMode"); });
  g.Property<P>(cls, "GripMode", [](P& p, V v, R) { p.GripMode = FormEnum(v, kGripModeNames, "GripMode"); });
  g.Property<P>(cls, "TitleSkin", [](P& p, V v, R r) { p.TitleSkin = U16(r.String(v)); });
  g.Property<P>(cls, "AddedTitle.Text", [](P& p, V v, R r) { p.AddedTitle.Text = U16(r.String(v)); });
  g.Property<P>(cls, "AddedTitle.Font.Color", [](P& p, V v, R r) { p.AddedTitle.FontColor = r.Color(v); });
  g.Property<P>(cls, "SkinData.SkinSection", [](P& p, V v, R r) { p.SkinData->SetSkinSection(U16(r.String(v))); });
  g.Property<P>(cls, "SkinData.CustomColor", [](P& p, V v, R r) { p.SkinData->SetCustomColor(r.Bool(v)); });
  g.Property<P>(cls, "SysSubMenu.Caption", [](P& p, V v, R r) { p.SysSubMenu.Caption = U16(r.String(v)); });
  g.Property<P>(cls, "SysSubMenu.PopupMenu", [](P& p, V v, R r) {
    r.Reference(v, [&p, &r, line = v.Line](TComponent* target) {
      auto* menu = dynamic_cast<TPopupMenu*>(target);
      if (!menu) r.Fail(line, "SysSubMenu.PopupMenu must name a popup menu");
      p.SysSubMenu.PopupMenu = menu;
    });
  });
  g.Property<P>(cls, "SysSubMenu.Position",
                [](P& p, V v, R) { p.SysSubMenu.Position = FormEnum(v, kSubMenuPositionNames, "SysSubMenu.Position"); });
}

}  // namespace qw
