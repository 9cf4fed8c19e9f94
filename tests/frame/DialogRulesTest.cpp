// A system dialog's window commands and caption buttons by its styles, its caption with a shipped skin,
// and which wrapper each kind of child window gets.
#include <gtest/gtest.h>

#include <string>

#include "base/Utf.h"
#include "skin/frame/dialog/DialogChildClass.h"
#include "skin/frame/dialog/DialogRules.h"
#include "tests/frame/GeneratorFrame.h"
#include "tools/qxskin/QxSkinLoad.h"

namespace qw {
namespace {

constexpr uint32_t kMessageBox = kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame;
constexpr uint32_t kSizeable = kWsPopup | kWsCaption | kWsSysMenu | kWsThickFrame | kWsMinimizeBox | kWsMaximizeBox;

TEST(DialogRules, CommandsAndButtonsFollowTheStylesReadWhenTheSkinningBegan) {
  struct TCase {
    TDialogState State;
    // Close Max Min Help Restore Size | EnabledMax EnabledMin EnabledRestore Move Size | Close clickable
    const char* Rules;
  };
  const TCase cases[] = {
      {{kMessageBox}, "100000 00011 1"},
      {{kMessageBox, 0, true}, "100000 00011 0"},                         // the class forbids closing
      {{kMessageBox, kWsExContextHelp}, "100100 00011 1"},
      {{kMessageBox & ~kWsSysMenu}, "000000 00011 0"},                    // no system menu: no buttons
      {{kSizeable}, "111011 11011 1"},
      {{kSizeable, 0, false, false, true}, "111011 01101 1"},             // maximised: restore, no move
      {{kSizeable, 0, false, true, false}, "111011 10110 1"},             // minimised: restore, no size
  };
  for (const TCase& c : cases) {
    const TSysMenuRules r = DialogSysMenuRules(c.State);
    const TCaptionButtonStates b = DialogCaptionButtons(r, c.State);
    const std::string got = std::string{char('0' + r.VisibleClose), char('0' + r.VisibleMax), char('0' + r.VisibleMin),
                                        char('0' + r.VisibleHelp), char('0' + r.VisibleRestore), char('0' + r.VisibleSize),
                                        ' ', char('0' + r.EnabledMax), char('0' + r.EnabledMin),
                                        char('0' + r.EnabledRestore), char('0' + r.EnabledMove),
                                        char('0' + r.EnabledSize), ' ', char('0' + b.Clickable[cbClose])};
    EXPECT_EQ(got, c.Rules) << std::hex << c.State.Style;
    EXPECT_EQ(b.Shown[cbClose], r.VisibleClose);
    EXPECT_EQ(b.Shown[cbMax], r.VisibleClose && r.VisibleMax);
  }
}

TEST(DialogRules, AMessageBoxShowsTheSkinsSmallCloseAloneAtTheRight) {
  for (const char* name : {"Flatline", "MetroUI"}) {
    TQxSkin skin;
    OpenQxSkin(Utf8ToUtf16(std::string(QW_SKINS_SOURCE_DIR) + "/" + name), skin);
    BuildQxSkin(skin);
    const TSkinTables& t = skin.Tables;
    const TFrameWindow w = Window(kMessageBox, DialogBorderStyle(kMessageBox), {300, 150}, {294, 125});
    const TFormCaption c = LayoutDialogCaption(t, MeasureFrame(w, kWineMetrics), TDialogState{kMessageBox}, TSize{});
    EXPECT_EQ(c.Images.Index[cbClose], t.ConstData.MaskCloseSmall) << name;
    const TSize image = CaptionImageSize(t, t.ConstData.MaskCloseSmall);
    EXPECT_EQ(c.Layout.System[cbClose].Rect.Right, 300 - t.SkinData.BIRightMargin - 3) << name;
    EXPECT_EQ(WidthOfRect(c.Layout.System[cbClose].Rect), image.Width) << name;
    for (int i : {cbMax, cbMin, cbHelp}) EXPECT_TRUE(IsRectEmpty(c.Layout.System[i].Rect)) << name << i;
    // No icon: the text starts right of the border and the skin's left margin.
    EXPECT_EQ(c.Layout.Text.Left, 3 + t.SkinData.BILeftMargin + 4) << name;
    EXPECT_EQ(c.Layout.Text.Right, 300 - image.Width - 6) << name;
  }
}

TEST(DialogChildClass, EveryClassGetsItsWrapperAndSection) {
  using K = TDialogChildKind;
  struct TCase {
    const char16_t* Class;
    uint32_t Style;
    bool Visible;
    TDialogChild Want;
  };
  const TCase cases[] = {
      {u"button", 0xB, true, {K::StdChild, u""}},  // every button and static: the standard child wrappers
      {u"static", 0x3, true, {K::StdChild, u""}},
      {u"edit", 0, true, {K::Edit, u"EDIT"}},
      {u"edit", 0, false, {}},
      {u"listbox", 0, true, {K::ListBox, u"EDIT"}},
      {u"combobox", 0, true, {K::ComboBox, u"COMBOBOX"}},
      {u"comboboxex32", 0, true, {K::ComboBox, u"COMBOBOX"}},
      {u"combolbox", 0, true, {K::ComboList, u"COMBOBOX"}},
      {u"scrollbar", 0x10, true, {K::Sizer, u"CHECKBOX"}},
      {u"scrollbar", 0x1, true, {}},
      {u"systabcontrol32", 0, true, {K::TabControl, u"PAGECONTROL"}},
      {u"systabcontrol32", 0x2000, true, {}},
      {u"toolbarwindow32", 0x800, true, {K::ToolBar, u"BAR"}},
      {u"toolbarwindow32", 0x200, true, {K::ToolBar, u"CHECKBOX"}},
      {u"#32770", 0, true, {K::TransPanel, u"CHECKBOX"}},
      {u"tsilentpaintpanel", 0, true, {K::SilentPanel, u"GROUPBOX"}},
      {u"msctls_updown32", 0, true, {K::UpDown, u"SPEEDBUTTON_SMALL"}},
      {u"syslink", 0, true, {K::Link, u"CHECKBOX"}},
      {u"richedit20w", 0, true, {}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ClassifyDialogChild(c.Class, c.Style, c.Visible), c.Want) << Utf16ToUtf8(c.Class) << " " << c.Style;
  EXPECT_EQ(LowerClassName(u"SysTabControl32"), u"systabcontrol32");
}

}  // namespace
}  // namespace qw
