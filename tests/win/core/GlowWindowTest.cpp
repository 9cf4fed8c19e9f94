// Glow windows under Wine: placed where the geometry says, just above the owner, never activated and
// transparent to the mouse, and gone after HideAllGlows. (Their layered content is not visible without a
// compositor, so it is checked through the window's own state.)
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "skin/render/GlowWindow_win.h"

namespace qw::test {
namespace {

class GlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Button = Skin.AddSection(u"BUTTON", 0x808080);
    Skin.Section(Button).GlowCount = 1;
    Skin.Section(Button).GlowMargin = 2;
    // A 20 x 20 glow image with 8-pixel borders at the master bitmap's origin.
    Skin.Paint(TRect{0, 0, 20, 20}, [](int x, int y) { return (x < 8 || y < 8) ? 0x80FF0000u : 0x00FF00FFu; });
    Skin.AddMask(u"BUTTON", u"GLOW0", TRect{0, 0, 20, 20}, 1, 0, 0, 8);
  }
  TTestSkin Skin;
  int Button = -1;
};

TEST_F(GlowTest, PlacedAroundTheControlAndClickThrough) {
  THostForm host;
  const TRect r{100, 100, 175, 125};  // a 75 x 25 control on the screen
  int id = ShowGlow(r, TRect{0, 0, 75, 25}, u"BUTTON", &Skin.M, host.Form->Handle(), 255, 2);
  ASSERT_GE(id, 0);
  HWND glow = GlowWindowOf(id);
  ASSERT_TRUE(IsWindow(glow));
  RECT wr;
  GetWindowRect(glow, &wr);
  EXPECT_EQ(wr.left, 94);
  EXPECT_EQ(wr.top, 94);
  EXPECT_EQ(wr.right - wr.left, 87);
  EXPECT_EQ(wr.bottom - wr.top, 37);
  EXPECT_TRUE(IsWindowVisible(glow));
  const LONG ex = GetWindowLongW(glow, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_LAYERED);
  EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(120, 96)), HTTRANSPARENT);
  EXPECT_NE(GetForegroundWindow(), glow);
  // Just above its owner in the z-order.
  EXPECT_EQ(GetWindow(host.Form->Handle(), GW_HWNDPREV), glow);
  // A second glow takes the next slot; a freed slot stays empty.
  int second = ShowGlow(r, TRect{0, 0, 75, 25}, u"BUTTON", &Skin.M, host.Form->Handle(), 255, 2);
  EXPECT_EQ(second, id + 1);
  HideGlow(id);
  EXPECT_EQ(id, -1);
  EXPECT_FALSE(IsWindow(glow));
  EXPECT_EQ(GlowWindowOf(second - 1), nullptr);
  HWND secondWindow = GlowWindowOf(second);
  HideAllGlows();
  EXPECT_FALSE(IsWindow(secondWindow));
  EXPECT_EQ(GlowWindowOf(second), nullptr);
}

TEST_F(GlowTest, NoMaskOrNothingVisibleGivesNoGlow) {
  THostForm host;
  EXPECT_EQ(ShowGlow(TRect{0, 0, 75, 25}, TRect{0, 0, 75, 25}, u"EDIT", &Skin.M, host.Form->Handle(), 255, 2), -1);
  EXPECT_EQ(ShowGlow(TRect{0, 0, 0, 0}, TRect{}, u"BUTTON", &Skin.M, host.Form->Handle(), 255, 40), -1);
  int unknown = 12345;
  HideGlow(unknown);
  EXPECT_EQ(unknown, -1);
}

TEST_F(GlowTest, AControlGlowsWhileTheMouseIsAboveIt) {
  THostForm host;
  auto* probe = host.Add<TProbe<COC_TsCheckBox>>(20, 20, 75, 25);
  probe->SkinData.SetSkinSection(u"BUTTON");
  probe->Perform(FW_MOUSE_ENTER);
  ASSERT_GE(probe->SkinData.GlowID, 0);
  HWND glow = GlowWindowOf(probe->SkinData.GlowID);
  RECT wr, cr;
  GetWindowRect(glow, &wr);
  GetWindowRect(probe->Handle(), &cr);
  EXPECT_EQ(wr.left, cr.left - 6);
  EXPECT_EQ(wr.top, cr.top - 6);
  // Pressing removes it; so do leaving and moving.
  probe->ControlState |= csLButtonDown;
  probe->SkinData.ShowGlow(false);
  EXPECT_EQ(probe->SkinData.GlowID, -1);
  probe->ControlState &= ~csLButtonDown;
  probe->SkinData.ShowGlow(false);
  ASSERT_GE(probe->SkinData.GlowID, 0);
  probe->Perform(FW_MOUSE_LEAVE);
  EXPECT_EQ(probe->SkinData.GlowID, -1);
  EXPECT_FALSE(IsWindow(glow));
  // Buttons glow when their look changes (a fade start), not on the mouse alone.
  auto* button = host.Add<TButtonProbe>(20, 60, 75, 25);
  button->SkinData.SetSkinSection(u"BUTTON");
  button->Perform(FW_MOUSE_ENTER);
  EXPECT_EQ(button->SkinData.GlowID, -1);
  StartFade(button->Fade, button->SkinData, false, true);
  EXPECT_GE(button->SkinData.GlowID, 0);
  button->Perform(FW_MOUSE_LEAVE);
  StartFade(button->Fade, button->SkinData, false, true);
  EXPECT_EQ(button->SkinData.GlowID, -1);
  // Panels and group boxes never glow.
  auto* panel = host.Add<TPanelProbe>(120, 20, 75, 25);
  panel->SkinData.SetSkinSection(u"BUTTON");
  panel->Perform(FW_MOUSE_ENTER);
  EXPECT_EQ(panel->SkinData.GlowID, -1);
}

}  // namespace
}  // namespace qw::test
