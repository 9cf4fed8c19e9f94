// High contrast on a test form (the generator window), the system's answer from a switch: a manager made
// to follow it steps aside (the controls and the frame take the system's look) and comes back on a setting
// change.
#include <gtest/gtest.h>

#include "skin/controls/SkinManagerClass.h"
#include "skin/controls/sCheckBox.h"
#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinManager.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw {
namespace {

class TContrastSwitch final : public TSkinSystem {
 public:
  bool On = false;
  uint32_t SysColor(int index) override { return GetSysColor(index); }
  int FrameWidth() override { return GetSystemMetrics(SM_CXFRAME); }
  std::vector<std::u16string> CommandLineArgs() override { return {}; }
  uint32_t TickCount() override { return GetTickCount(); }
  bool HighContrast() override { return On; }
};

// The frame is the system's while aside: its caption buttons (the style) and its title-bar object.
bool FrameIsTheSystems(HWND form) {
  return (GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU) && SendMessageW(form, WM_GETOBJECT, 0, OBJID_TITLEBAR) == 0;
}

TEST(HighContrast, AnAwareManagerStepsAsideAndComesBackOnSettingChanges) {
  TContrastSwitch contrast;
  SetDescriptionSkinServices(TSkinServices{nullptr, nullptr, &contrast});
  test::TGeneratorWindow window;
  SetDescriptionSkinServices(TSkinServices{});
  TsSkinManager& m = *window->sSkinManager1;
  TsCheckBox& box = *window->sCheckBox2;
  HWND form = window.Form->Handle();
  EXPECT_FALSE(m.HighContrastAware()) << "off in the stored window";
  contrast.On = true;
  m.SetHighContrastAware(true);  // in code: the manager hears the system's setting changes from now on
  test::Pump();
  EXPECT_TRUE(m.SteppedAside());
  EXPECT_FALSE(box.SkinData.Skinned());
  EXPECT_NE(GetWindowLongW(box.Handle(), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_OWNERDRAW))
      << "the system draws the box";
  EXPECT_TRUE(FrameIsTheSystems(form));

  contrast.On = false;
  HWND watch = FindWindowW(L"TqxSettingsWatch", nullptr);
  ASSERT_NE(watch, nullptr);
  SendMessageW(watch, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  test::Pump();
  EXPECT_FALSE(m.SteppedAside());
  EXPECT_TRUE(box.SkinData.Skinned());
  EXPECT_FALSE(FrameIsTheSystems(form));
}

}  // namespace
}  // namespace qw
