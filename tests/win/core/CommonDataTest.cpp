// The common skin data of real controls: defaults, section names, nested updates, the skin-state query,
// the colours and backgrounds a control answers, and skin commands from elsewhere refused.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "CoreTestSupport.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/SkinBroadcast_win.h"

namespace qw::test {
namespace {

TEST(CommonData, CreateDefaults) {
  TPanel owner;
  TsCommonData data(&owner, true);
  EXPECT_EQ(data.SkinIndex(), -1);
  EXPECT_EQ(data.BorderIndex(), -1);
  EXPECT_EQ(data.Texture(), -1);
  EXPECT_EQ(data.HotTexture(), -1);
  EXPECT_EQ(data.GlowID, -1);
  EXPECT_EQ(data.CtrlSkinState, cssUndefined);
  EXPECT_TRUE(data.BGChanged);
  EXPECT_TRUE(data.HalfVisible);
  EXPECT_FALSE(data.FUpdating);
  EXPECT_FALSE(data.FFocused);
  EXPECT_FALSE(data.FMouseAbove);
  ASSERT_NE(data.CacheBmp(), nullptr);
  EXPECT_EQ(data.CacheBmp()->Width(), 0);
  // A control 0 pixels wide keeps a cache 0 pixels wide.
  owner.SetBounds(0, 0, 0, 17);
  data.InitCacheBmp();
  EXPECT_EQ(data.CacheBmp()->Width(), 0);
  owner.SetBounds(0, 0, 40, 17);
  data.InitCacheBmp();
  EXPECT_EQ(data.CacheBmp()->Width(), 40);
  EXPECT_EQ(data.CacheBmp()->Height(), 17);
  TsCommonData noCache(&owner, false);
  EXPECT_EQ(noCache.CacheBmp(), nullptr);
}

TEST(CommonData, SectionNamesAndUnknownSections) {
  TTestSkin skin;
  const int button = skin.AddSection(u"BUTTON", 0x123456);
  THostForm host;
  auto* probe = host.Add<TButtonProbe>(10, 10, 80, 24);
  probe->SkinData.SetSkinSection(u"button");
  EXPECT_EQ(probe->SkinData.SkinSection(), u"BUTTON");
  EXPECT_EQ(probe->SkinData.SkinIndex(), button);
  EXPECT_TRUE(probe->SkinData.Skinned());
  EXPECT_EQ(probe->CountOf(skcRefresh), 1) << "a shown control is told to refresh";
  probe->SkinData.SetSkinSection(u"");
  EXPECT_EQ(probe->SkinData.SkinSection(), u"UNKNOWN");
  EXPECT_EQ(probe->SkinData.SkinIndex(), -1);
  EXPECT_FALSE(probe->SkinData.Skinned());
  EXPECT_EQ(probe->CountOf(skcRemoveSkin), 1);
  // Without a section name the class decides: buttons paint with BUTTON.
  auto* fresh = host.Add<TButtonProbe>(10, 40, 80, 24);
  fresh->SkinData.Loaded();
  EXPECT_EQ(fresh->SkinData.SkinSection(), u"BUTTON");
}

TEST(CommonData, NestedUpdatesEndOnce) {
  TTestSkin skin;
  skin.AddSection(u"PANEL", 0x808080);
  THostForm host;
  auto* probe = host.Add<TPanelProbe>(0, 0, 50, 50);
  probe->SkinData.BeginUpdate();
  probe->SkinData.BeginUpdate();
  EXPECT_EQ(probe->CountOf(skcBeginUpdate), 2);
  EXPECT_TRUE(probe->SkinData.CtrlSkinState & cssLocked);
  probe->SkinData.EndUpdate(true);
  EXPECT_EQ(probe->SkinData.FUpdateCount, 1);
  EXPECT_FALSE(probe->SkinData.FUpdating);
  EXPECT_EQ(probe->CountOf(skcEndUpdate), 0);
  probe->SkinData.BGChanged = false;
  probe->SkinData.EndUpdate(true);
  EXPECT_EQ(probe->SkinData.FUpdateCount, 0);
  EXPECT_EQ(probe->CountOf(skcEndUpdate), 1);
  EXPECT_TRUE(probe->SkinData.BGChanged) << "the last EndUpdate invalidates";
}

TEST(CommonData, SkinStateQueryEvaluatesOnlyAnUndefinedState) {
  TTestSkin skin;
  skin.AddSection(u"PANEL", 0x808080);
  THostForm host;
  auto* probe = host.Add<TPanelProbe>(0, 0, 50, 50);
  probe->SkinData.SetSkinSection(u"PANEL");
  probe->SkinData.CtrlSkinState = cssUndefined | cssLocked;
  EXPECT_EQ(SendSkinCommand(probe, skcGetSkinState), cssUndefined | cssLocked);
  probe->SkinData.CtrlSkinState = cssUndefined;
  // An opaque plain section: evaluated now, plain and no longer undefined.
  EXPECT_EQ(SendSkinCommand(probe, skcGetSkinState), cssPlainBackground);
}

TEST(CommonData, PlainBackgroundOnRealWindows) {
  TTestSkin skin;
  skin.AddSection(u"PANEL", 0x808080);
  const int gradient = skin.AddSection(u"GRADPANEL", 0x808080);
  skin.Section(gradient).Props[0].GradientPercent = 50;
  const int clear = skin.AddSection(u"CLEARPANEL", 0x808080);
  skin.Section(clear).Props[0].Transparency = 100;
  THostForm host;
  auto* plain = host.Add<TPanelProbe>(0, 0, 50, 50);
  plain->SkinData.SetSkinSection(u"PANEL");
  EXPECT_EQ(plain->SkinData.CtrlSkinState, cssPlainBackground);
  auto* shaded = host.Add<TPanelProbe>(60, 0, 50, 50);
  shaded->SkinData.SetSkinSection(u"GRADPANEL");
  EXPECT_EQ(shaded->SkinData.CtrlSkinState, 0);
  // Fully transparent over a plain panel: plain; over the shaded one: not.
  auto* overPlain = host.Add<TPanelProbe>(5, 5, 20, 20, plain);
  overPlain->SkinData.SetSkinSection(u"CLEARPANEL");
  EXPECT_EQ(overPlain->SkinData.CtrlSkinState, cssPlainBackground);
  auto* overShaded = host.Add<TPanelProbe>(5, 5, 20, 20, shaded);
  overShaded->SkinData.SetSkinSection(u"CLEARPANEL");
  EXPECT_EQ(overShaded->SkinData.CtrlSkinState, 0);
  // Over a parent that has no window yet the answer is unknown: the state stays undefined.
  TPanel unshown;
  TPanelProbe orphan;
  orphan.SetParent(&unshown);
  orphan.SkinData.SetSkinSection(u"CLEARPANEL");
  EXPECT_EQ(orphan.SkinData.CtrlSkinState, cssUndefined);
  orphan.SetParent(nullptr);
}

TEST(CommonData, ColourAnswerMixesTheParent) {
  TTestSkin skin;
  const int tinted = skin.AddSection(u"TINTED", 0x000000);
  skin.Section(tinted).Props[0].Transparency = 40;
  THostForm host;
  auto* red = host.Add<TPanel>(0, 0, 100, 100);
  red->SetColor(0x0000FF);
  auto* probe = host.Add<TPanelProbe>(10, 10, 30, 30, red);
  probe->SkinData.SetSkinSection(u"TINTED");
  EXPECT_EQ(SendSkinCommand(probe, skcGetColor), 0x000066);
  EXPECT_EQ(probe->SkinData.StateColor(0), 0x000066);
  // An unskinned control answers its own colour, system colours resolved.
  probe->SkinData.SetSkinSection(u"NOSUCH");
  probe->SetColor(clBtnFace);
  EXPECT_EQ(SendSkinCommand(probe, skcGetColor), ColorToRGB(clBtnFace));
}

TEST(CommonData, TransparentParentPassesTheRequestUp) {
  TTestSkin skin;
  // A shaded section answers from its picture (a plain one would answer with its colour).
  const int shaded = skin.AddSection(u"PANEL", 0x336699);
  skin.Section(shaded).Props[0].GradientPercent = 50;
  const int clear = skin.AddSection(u"CLEARPANEL", 0);
  skin.Section(clear).Props[0].Transparency = 100;
  THostForm host;
  auto* outer = host.Add<TPanelProbe>(0, 0, 120, 120);
  outer->SkinData.SetSkinSection(u"PANEL");
  outer->Look = 0x336699;
  outer->Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
  auto* middle = host.Add<TPanelProbe>(10, 20, 60, 60, outer);
  middle->SkinData.SetSkinSection(u"CLEARPANEL");
  auto* inner = host.Add<TPanelProbe>(5, 7, 20, 20, middle);
  TBackgroundInfo info;
  RequestParentBackground(*inner, info, false);
  ASSERT_EQ(info.BgType, btCache);
  EXPECT_EQ(info.Bmp, outer->SkinData.CacheBmp());
  EXPECT_EQ(info.Offset.X, 10);
  EXPECT_EQ(info.Offset.Y, 20);
  const TCacheInfo ci = CacheInfoOf(info);
  EXPECT_TRUE(ci.Ready);
  // The inner control's pixel (0, 0) lies at its position in the middle one plus the offset.
  EXPECT_EQ(ci.Bmp->At(inner->Left() + ci.X, inner->Top() + ci.Y) & 0xFFFFFF, ColorToPixel(0x336699, 0) & 0xFFFFFF);
}

TEST(CommonData, PointerCommandsFromAnotherThreadAreRefused) {
  TTestSkin skin;
  const int panel = skin.AddSection(u"PANEL", 0x808080);
  THostForm host;
  auto* probe = host.Add<TPanelProbe>(0, 0, 50, 50);
  probe->SkinData.SetSkinSection(u"PANEL");
  HWND window = probe->Handle();
  int index = -7;
  EXPECT_EQ(SendSkinCommandToWindow(window, skcGetSkinIndex, reinterpret_cast<LPARAM>(&index)), 1);
  EXPECT_EQ(index, panel);
  int foreign = -7;
  LRESULT answer = -1;
  std::atomic<bool> done{false};
  std::thread other([&] {
    answer = SendMessageW(window, SkinCommandMsg, SkinCommandWParam(skcGetSkinIndex), reinterpret_cast<LPARAM>(&foreign));
    done = true;
  });
  for (int i = 0; i < 500 && !done; ++i) PumpAll(1);
  other.join();
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(foreign, -7) << "an address sent from another thread is never followed";
  // Skin commands are never posted: the loop drops one that comes through the queue.
  InstallSkinCommandFilter();
  probe->SkinData.BGChanged = false;
  PostMessageW(window, SkinCommandMsg, SkinCommandWParam(skcSetBGChanged), 0);
  PumpAll();
  EXPECT_FALSE(probe->SkinData.BGChanged);
  Application().RemoveMessageFilter(kSkinCommandFilter);
}

}  // namespace
}  // namespace qw::test
