// Menus on real windows: a menu tree read from a description and built into the system's menus, the menu
// bar's commands, shortcuts and changes, owner-drawn items answered by their handlers, and the walk over
// every form's menus.
#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>

#include "fw/BitmapCanvas.h"
#include "fw/Edit.h"
#include "fw/Menu.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

constexpr char kMenus[] =
    "  Menu = Bar\n"
    "  object Edit1: TEdit\n  end\n"
    "  object Bar: TMainMenu\n"
    "    object File1: TMenuItem\n      Caption = '&File'\n"
    "      object New1: TMenuItem\n        Caption = 'New'\n        ShortCut = 'Ctrl+N'\n        Default = True\n"
    "        OnClick = NewClick\n      end\n"
    "      object Sep1: TMenuItem\n        Caption = '-'\n      end\n"
    "      object Left1: TMenuItem\n        Caption = 'Left'\n        RadioItem = True\n        GroupIndex = 1\n"
    "        Checked = True\n      end\n"
    "      object Right1: TMenuItem\n        Caption = 'Right'\n        RadioItem = True\n        GroupIndex = 1\n"
    "        Checked = True\n        Break = mbBarBreak\n      end\n"
    "      object Gone1: TMenuItem\n        Caption = 'Gone'\n        Visible = False\n      end\n"
    "      object Off1: TMenuItem\n        Caption = 'Off'\n        Enabled = False\n      end\n"
    "    end\n"
    "    object Help1: TMenuItem\n      Caption = '-Help-'\n      ShortCut = 112\n      OnClick = HelpClick\n    end\n"
    "  end\n"
    "  object Popup: TPopupMenu\n    OwnerDraw = True\n"
    "    object Drawn1: TMenuItem\n      Caption = 'Drawn'\n    end\n    object Plain1: TMenuItem\n      Caption = 'Plain'\n    end\n"
    "  end\n";

class MenuOnAForm : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.Read(kMenus);
    Form.Show();
    Pump();
  }
  TMenuItem* Item(const char* name) { return dynamic_cast<TMenuItem*>(Form.FindComponent(name)); }
  // The system's record of an item of a menu, by its place.
  MENUITEMINFOW Info(HMENU menu, int index, std::wstring* text = nullptr) {
    wchar_t buffer[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 64;
    GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
    if (text) *text = buffer;
    return info;
  }
  TRecordingForm Form;
};

TEST_F(MenuOnAForm, TheNestedItemsOfTheDescriptionBecomeTheBarsMenusUnderTheirCommands) {
  ASSERT_EQ(Form.Menu(), Form.FindComponent("Bar"));
  ASSERT_EQ(Item("File1")->Count(), 6);
  EXPECT_EQ(Item("New1")->Parent(), Item("File1"));
  EXPECT_FALSE(Item("Left1")->Checked()) << "the later checked radio item of the group won";

  HMENU shown = GetMenu(Form.Handle());
  ASSERT_EQ(shown, Form.Menu()->Handle());
  ASSERT_EQ(GetMenuItemCount(shown), 2);
  HMENU sub = Info(shown, 0).hSubMenu;
  ASSERT_EQ(GetMenuItemCount(sub), 5) << "the hidden item is left out";
  std::wstring text;
  const MENUITEMINFOW fresh = Info(sub, 0, &text);
  EXPECT_EQ(text, L"New\tCtrl+N");
  EXPECT_EQ(fresh.wID, Item("New1")->Command());
  EXPECT_TRUE(fresh.fState & MFS_DEFAULT);
  EXPECT_TRUE(Info(sub, 1).fType & MFT_SEPARATOR);
  EXPECT_EQ(Info(sub, 3).fType & (MFT_RADIOCHECK | MFT_MENUBARBREAK), UINT(MFT_RADIOCHECK | MFT_MENUBARBREAK));
  EXPECT_EQ(Info(sub, 3).fState & MFS_CHECKED, UINT(MFS_CHECKED));
  EXPECT_FALSE(Info(sub, 2).fState & MFS_CHECKED);
  EXPECT_TRUE(Info(sub, 4).fState & MFS_DISABLED);
}

TEST_F(MenuOnAForm, CommandsAndShortCutsRunTheirItemsAndChangesReachTheWindowAndTheForm) {
  SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(Item("New1")->Command(), 0), 0);
  SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(Item("Off1")->Command(), 0), 0);  // disabled
  EXPECT_EQ(Form.Ran, std::vector<std::string>{"NewClick"});
  dynamic_cast<TEdit*>(Form.FindComponent("Edit1"))->SetFocus();
  Pump();
  PressKey(VK_F1);
  EXPECT_EQ(Form.Ran, (std::vector<std::string>{"NewClick", "HelpClick"})) << "F1 is the help item's shortcut";

  const int before = Form.MenuChanges;
  Item("Help1")->SetCaption(u"About");
  EXPECT_EQ(Form.MenuChanges, before + 1);
  std::wstring text;
  Info(GetMenu(Form.Handle()), 1, &text);
  EXPECT_EQ(text, L"About\tF1");
  Item("File1")->SetVisible(false);
  Item("Help1")->SetVisible(false);
  EXPECT_EQ(GetMenu(Form.Handle()), nullptr) << "a bar with nothing to show is not shown";
  Item("Help1")->SetVisible(true);
  EXPECT_GT(Form.MenuChanges, before + 2);
  // The bar is the menu's, not the window's: a destroyed menu takes it off the window first.
  HMENU bar = GetMenu(Form.Handle());
  Form.ExtractComponent(Form.Menu()).reset();
  EXPECT_EQ(Form.Menu(), nullptr);
  EXPECT_EQ(GetMenu(Form.Handle()), nullptr);
  EXPECT_FALSE(IsMenu(bar));
}

TEST_F(MenuOnAForm, OwnerDrawnItemsAreMeasuredAndPaintedByTheirHandlersOrThePlainLook) {
  TMenuItem* drawn = Item("Drawn1");
  TRect paintedAt{};
  TOwnerDrawState paintedState = 0;
  drawn->OnMeasureItem = [](TMenuItem*, TCanvas&, int& width, int& height) {
    width = 120;
    height += 5;
  };
  drawn->OnAdvancedDrawItem = [&](TMenuItem*, TCanvas& canvas, TRect rect, TOwnerDrawState state) {
    EXPECT_NE(canvas.Handle(), nullptr);
    paintedAt = rect;
    paintedState = state;
  };
  EXPECT_TRUE(Info(dynamic_cast<TPopupMenu*>(Form.FindComponent("Popup"))->Handle(), 0).fType & MFT_OWNERDRAW);
  const auto measure = [this](TMenuItem* item) {
    MEASUREITEMSTRUCT m{ODT_MENU, 0, item->Command(), 0, 0, 0};
    const LRESULT handled = SendMessageW(Form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
    return std::tuple{handled, static_cast<int>(m.itemWidth), static_cast<int>(m.itemHeight)};
  };
  const auto [drawnHandled, drawnWidth, drawnHeight] = measure(drawn);
  const auto [plainHandled, plainWidth, plainHeight] = measure(Item("Plain1"));
  EXPECT_TRUE(drawnHandled && plainHandled);
  EXPECT_EQ(drawnWidth, 120);
  EXPECT_EQ(drawnHeight, plainHeight + 5) << "the handler starts from the plain measure";
  EXPECT_GT(plainWidth, 16);
  EXPECT_EQ(std::get<0>(measure(Item("New1"))), 0) << "the bar's items are drawn by the system";

  TBitmap32 picture(200, 40);
  TBitmapCanvas on(picture);
  DRAWITEMSTRUCT d{ODT_MENU, 0, drawn->Command(), ODA_DRAWENTIRE, ODS_SELECTED | ODS_CHECKED, nullptr, on.Handle(),
                   RECT{0, 0, 150, 22}, 0};
  EXPECT_TRUE(SendMessageW(Form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
  EXPECT_EQ(paintedAt, (TRect{0, 0, 150, 22}));
  EXPECT_EQ(paintedState, odSelected | odChecked);
  d.itemID = Item("Plain1")->Command();
  EXPECT_TRUE(SendMessageW(Form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
  EXPECT_EQ(GetPixel(on.Handle(), 1, 1), GetSysColor(COLOR_HIGHLIGHT)) << "the plain look of a selected item";

  std::vector<std::string> visited;
  ForEachFormMenu([&](TMenu& menu) {
    if (menu.Owner() == &Form) visited.push_back(menu.Name());
  });
  EXPECT_EQ(visited, (std::vector<std::string>{"Bar", "Popup"}));
}

}  // namespace
}  // namespace qw::test
