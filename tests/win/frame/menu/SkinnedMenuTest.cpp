// Skinned menus on real windows: the generator's system menu, a menu window's wrapper gone once the menu
// closes, an item chosen by a screen reader, and the skin submenu of a test form (with the menu settings
// of its description) switching every control to the other skin.
#include <initguid.h>
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>

#include "../../form/FormTestSupport.h"
#include "fw/DeferredRelease.h"
#include "fw/Menu.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/sPanel.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/hook/ThreadHook_win.h"
#include "skin/frame/menu/MnuWnd_win.h"
#include "skin/frame/menu/SkinableMenus_win.h"
#include "skin/frame/menu/SystemMenu_win.h"

namespace qw::test {
namespace {

// Runs Step once the menu a test opens is up (a timer's tick is dispatched by the menu's own loop).
class TWhileMenuOpen {
 public:
  explicit TWhileMenuOpen(std::function<void()> step) {
    FStep = std::move(step);
    FTimer = SetTimer(nullptr, 0, 150, &Tick);
  }
  ~TWhileMenuOpen() {
    KillTimer(nullptr, FTimer);
    FStep = nullptr;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (auto step = std::move(FStep)) step();
  }
  static inline std::function<void()> FStep;
  UINT_PTR FTimer = 0;
};

// Keys to the open menu, as a user types them.
void KeysToMenu(std::initializer_list<UINT> keys) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  for (UINT key : keys) {
    PostMessageW(menu, WM_KEYDOWN, key, 1);
    PostMessageW(menu, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }
}

TEST(SkinnedSystemMenu, TheGeneratorOffersRestoreGreyedMoveSizeGreyedAndClose) {
  TGeneratorWindow window;
  TsSystemMenu* menu = SystemMenuOf(window->Handle());
  ASSERT_NE(menu, nullptr);
  menu->UpdateItems(true);
  HMENU shown = menu->Handle();
  struct TShown {
    UINT Command;  // 0: a separator
    bool Greyed;
  };
  const TShown expected[] = {{SC_RESTORE, true}, {SC_MOVE, false}, {SC_SIZE, true}, {0, false}, {SC_CLOSE, false}};
  ASSERT_EQ(GetMenuItemCount(shown), 5);
  for (int i = 0; i < 5; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoW(shown, static_cast<UINT>(i), TRUE, &info));
    const TMenuItem* item = menu->FindItem(static_cast<uint16_t>(info.wID));
    ASSERT_NE(item, nullptr) << i;
    EXPECT_EQ(static_cast<UINT>(item->Tag), expected[i].Command) << i;
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, expected[i].Command == 0) << i;
    EXPECT_EQ((info.fState & MFS_DISABLED) != 0, expected[i].Greyed) << i;
  }
  EXPECT_EQ(TextToShortCut(u"Alt+F4"), menu->ItemClose->ShortCut());
}

TEST(SkinnedPopupMenu, AMenuWindowsWrapperAndPictureGoWhenTheMenuCloses) {
  TGeneratorWindow window;
  ASSERT_TRUE(SkinThreadHookInstalled());
  int wrappersOpen = -1, levelsOpen = -1;
  TWhileMenuOpen whileOpen([&] {
    wrappersOpen = MenuWindowWrapperCount();
    levelsOpen = SkinableMenus().LevelCount();
    KeysToMenu({VK_ESCAPE});
  });
  window->PopupMenu1->Popup(100, 100);
  Pump(3);
  EXPECT_EQ(wrappersOpen, 1);
  EXPECT_EQ(levelsOpen, 1);
  EXPECT_EQ(MenuWindowWrapperCount(), 0);
  EXPECT_EQ(SkinableMenus().LevelCount(), 0);
  EXPECT_EQ(PendingReleaseCount(), 0);
  EXPECT_FALSE(SkinableMenus().MenuOpen);
}

TEST(SkinnedPopupMenu, AScreenReaderChoosesAnItemByItsDefaultAction) {
  TGeneratorWindow window;
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  HRESULT onSeparator = S_OK, onItem = E_FAIL;
  TWhileMenuOpen whileOpen([&] {
    IAccessible* acc = nullptr;
    const LRESULT answer = SendMessageW(FindWindowW(L"#32768", nullptr), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    if (SUCCEEDED(ObjectFromLresult(answer, IID_IAccessible, 0, reinterpret_cast<void**>(&acc)))) {
      VARIANT child{};
      child.vt = VT_I4;
      child.lVal = 2;
      onSeparator = acc->accDoDefaultAction(child);
      child.lVal = 1;  // "Сгенерировать новый"
      onItem = acc->accDoDefaultAction(child);
      acc->Release();
    }
    KeysToMenu({VK_ESCAPE});  // never reached once the item closes the menu
  });
  window->PopupMenu1->Popup(100, 100);
  Pump(3);
  EXPECT_EQ(onSeparator, DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(onItem, S_OK);
  EXPECT_NE(window->sPanel1->Text(), L"PSSWORD") << "the item made no password";
  CoUninitialize();
}

// A form with both stored skins, a few skinned controls and its system menu's skin submenu.
TEST(SkinnedSystemMenu, TheProgramsMenuIsCopiedInWhereItsPositionSays) {
  TGeneratorWindow window;
  auto* popup = TComponent::Create<TPopupMenu>(window.Form.get());
  auto item = [&](TMenuItem& parent, const char* name, std::u16string caption) {
    TMenuItem* it = TComponent::Create<TMenuItem>(window.Form.get());
    it->SetName(name);
    it->SetCaption(std::move(caption));
    parent.Add(it);
    return it;
  };
  int clicked = 0;
  TMenuItem* pin = item(popup->Root(), "Pin", u"Pin");
  pin->SetChecked(true);
  pin->OnClick = [&](TComponent*) { ++clicked; };
  item(*item(popup->Root(), "More", u"More"), "Deep", u"Deep")->SetEnabled(false);
  TqxSysSubMenu& merged = window->sSkinProvider1->SysSubMenu;
  merged.Caption = u"Program";
  merged.PopupMenu = popup;
  TsSystemMenu* menu = SystemMenuOf(window->Handle());
  ASSERT_NE(menu, nullptr);
  menu->SubMenu = &merged;
  auto names = [&] {
    menu->UpdateItems(true);
    std::vector<std::string> n;
    for (int i = 0; i < menu->Root().Count(); ++i) n.push_back(menu->Root().Items(i)->Name());
    return n;
  };
  using V = std::vector<std::string>;
  merged.Position = TSysSubMenuPosition::ipTop;
  EXPECT_EQ(names(), (V{"qx_SubMenu", "qx_TopDiv", "qxIR", "qxIM", "qxIS", "qxIN", "qxIX", "qx_Div", "qxIC"}));
  merged.Position = TSysSubMenuPosition::ipBottom;
  EXPECT_EQ(names(), (V{"qxIR", "qxIM", "qxIS", "qxIN", "qxIX", "qx_Div", "qxIC", "qx_BtmDiv", "qx_SubMenu"}));
  merged.Position = TSysSubMenuPosition::ipBeforeClose;
  EXPECT_EQ(names(), (V{"qxIR", "qxIM", "qxIS", "qxIN", "qxIX", "qx_Div", "qx_SubMenu", "qx_TopDiv", "qxIC"}));
  const TMenuItem* copy = menu->Root().Items(6);
  EXPECT_EQ(copy->Caption(), u"Program");
  ASSERT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->Items(0)->Name(), "PinCopy");
  EXPECT_TRUE(copy->Items(0)->Checked());
  copy->Items(0)->OnClick(copy->Items(0));
  EXPECT_EQ(clicked, 1);
  ASSERT_EQ(copy->Items(1)->Count(), 1);
  EXPECT_EQ(copy->Items(1)->Items(0)->Name(), "DeepCopy");
  EXPECT_FALSE(copy->Items(1)->Items(0)->Enabled());
  // Without a caption nothing is merged.
  merged.Caption.clear();
  EXPECT_EQ(names().size(), 7u);
}

class SkinSubmenu : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSkinControls(ClassRegistry());
    InstallMenuSkinning();
    InstallSkinThreadHook();
    Form.Read(
        "  object S: TsSkinManager\n"
        "    InternalSkins = <\n"
        "      item\n        Name = 'Flatline (internal)'\n        Data = resource('SKIN_FLATLINE')\n      end\n"
        "      item\n        Name = 'MetroUI (internal)'\n        Data = resource('SKIN_METROUI')\n      end>\n"
        "    SkinDirectory = 'c:\\Skins'\n"
        "    SkinName = 'Flatline (internal)'\n"
        "    MenuSupport.UseExtraLine = True\n"
        "    MenuSupport.ExtraLineWidth = 24\n"
        "    MenuSupport.ExtraLineFont.Name = 'Verdana'\n"
        "    MenuSupport.AlphaBlend = 255\n"
        "  end\n"
        "  object P: TsPanel\n    Left = 8\n    Top = 8\n    Width = 80\n    Height = 40\n"
        "    SkinData.SkinSection = 'BUTTON'\n  end\n"
        "  object B: TsBitBtn\n    Left = 100\n    Top = 8\n    Width = 80\n    Height = 30\n  end\n"
        "  object C: TsCheckBox\n    Left = 8\n    Top = 60\n    Width = 120\n    Height = 20\n"
        "    Caption = 'Check'\n  end\n");
    Form.Show();
    // The form is one of the skinned windows a skin change repaints, as its frame component makes it.
    AddSkinnedWindow(Form.Handle(), nullptr);
    Pump(5);
  }
  // What each skinned control shows on screen now.
  std::vector<std::vector<COLORREF>> Screen() {
    std::vector<std::vector<COLORREF>> pictures;
    for (int i = 0; i < Form.ControlCount(); ++i) {
      auto* c = dynamic_cast<TWinControl*>(Form.Controls(i));
      HDC dc = GetWindowDC(c->Handle());
      std::vector<COLORREF> pixels;
      for (int y = 0; y < c->Height(); y += 3)
        for (int x = 0; x < c->Width(); x += 3) pixels.push_back(GetPixel(dc, x, y));
      ReleaseDC(c->Handle(), dc);
      pictures.push_back(std::move(pixels));
    }
    return pictures;
  }
  TSkinDirectory NoSkinsOnDisk{false};
  TRecordingForm Form;
};

TEST_F(SkinSubmenu, ChoosingTheOtherSkinRepaintsEveryControlUnderIt) {
  auto* m = dynamic_cast<TsSkinManager*>(Form.FindComponent("S"));
  ASSERT_EQ(m->SkinName(), u"Flatline (internal)");
  const auto before = Screen();
  ASSERT_EQ(before.size(), 3u);
  std::u16string firstItem;
  bool extraLine = false;
  std::vector<int> listed;  // per skin: checked 1, unchecked 0, no radio item -1
  TWhileMenuOpen whileOpen([&] {
    TsSystemMenu* menu = SystemMenuOf(Form.Handle());
    firstItem = menu->Items(0)->Caption();
    for (int i = 0; i < menu->Items(0)->Count(); ++i)
      listed.push_back(menu->Items(0)->Items(i)->RadioItem() ? menu->Items(0)->Items(i)->Checked() : -1);
    const TqxMenuInfo* level = SkinableMenus().LevelOfWindow(FindWindowW(L"#32768", nullptr));
    extraLine = level && level->HaveExtraLine;
    // The skins submenu is the first item; MetroUI the second skin in it.
    KeysToMenu({VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
  });
  ShowSkinnedSystemMenu(Form.Handle(), POINT{50, 50}, true);
  for (int i = 0; i < 30; ++i) {
    Pump(1);
    Sleep(10);
  }
  EXPECT_EQ(firstItem, u"Available skins");
  EXPECT_EQ(listed, (std::vector<int>{1, 0}));
  // The description's menu settings: the level that lists the skins has the extra line down its side.
  EXPECT_EQ(m->MenuSupport.ExtraLineWidth, 24);
  EXPECT_EQ(m->MenuSupport.ExtraLineFont.Name, u"Verdana");
  EXPECT_TRUE(extraLine);
  EXPECT_EQ(m->SkinName(), u"MetroUI (internal)");
  const auto after = Screen();
  // What the controls show is the new skin's whole picture: a full repaint now changes nothing.
  RedrawWindow(Form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(3);
  EXPECT_EQ(Screen(), after);
  for (size_t i = 0; i < after.size(); ++i) EXPECT_NE(after[i], before[i]) << Form.Controls(static_cast<int>(i))->Name();
}

}  // namespace
}  // namespace qw::test
