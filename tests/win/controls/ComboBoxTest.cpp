// The skinned combo box on the real generator window: the list it drops is wrapped and drawn from the
// skin, "0-9" is chosen with the keyboard and with the mouse, the field shows the chosen text from the
// cache; a read-only box only takes the focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
#include "fw/Form.h"
#include "skin/controls/ComboBoxWnd_win.h"
#include "skin/controls/ComboListWnd_win.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sEdit.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

class ComboBox : public ::testing::TestWithParam<const char16_t*> {
 protected:
  void SetUp() override {
    TsSkinManager* m = W->sSkinManager1;
    if (m->SkinName() != GetParam()) m->SetSkinName(GetParam());
    Box = W->sComboBox1;
    Box->SetEnabled(true);
    PumpAll();
  }
  void Drop() {
    Box->SetFocus();
    SendMessageW(Box->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpAll();
  }
  bool ListShown() const { return Box->ListHandle() && IsWindowVisible(Box->ListHandle()); }
  // A cache pixel as a window colour.
  COLORREF CachePixel(int x, int y) const {
    const uint32_t c = Box->SkinData.CacheBmp()->At(x, y);
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
  }
  TGeneratorWindow W;
  TsComboBox* Box = nullptr;
};

TEST_P(ComboBox, StartsWithNothingSelectedAndAnswersItemTexts) {
  EXPECT_EQ(Box->ItemIndex(), -1);
  EXPECT_EQ(Box->ItemText(-1), L"");
  EXPECT_EQ(Box->ItemText(5), L"");
  // The owner-drawn list keeps its strings, so asking it for an item's text gives the text.
  wchar_t text[32] = {};
  ASSERT_EQ(SendMessageW(Box->Handle(), CB_GETLBTEXTLEN, 1, 0), 3);
  SendMessageW(Box->Handle(), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"0-9");
}

TEST_P(ComboBox, DropsASkinnedListAndPicksAnItemByKeyboard) {
  Drop();
  ASSERT_TRUE(ListShown());
  EXPECT_TRUE(Box->DroppedDown());
  ASSERT_NE(Box->ListWrapper(), nullptr) << "the list wears the skin's frame and bar";
  EXPECT_NE(dynamic_cast<TqxComboListWnd*>(Box->ListWrapper()), nullptr);
  // Wrapped, the list is one pixel wider than the box, in the same place.
  RECT list, box;
  GetWindowRect(Box->ListHandle(), &list);
  GetWindowRect(Box->Handle(), &box);
  EXPECT_EQ(list.right - list.left, box.right - box.left + 1);
  EXPECT_EQ(list.left, box.left);
  // The items are the control's drawing: an unselected one is in the skin's edit colour at its right end.
  RECT item;
  ASSERT_NE(SendMessageW(Box->ListHandle(), LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  const TsSkinManager* m = W->sSkinManager1;
  HDC dc = GetDC(Box->ListHandle());
  EXPECT_EQ(GetPixel(dc, item.right - 3, item.top + 1), ColorToRGB(static_cast<TColor>(m->GetActiveEditColor())));
  ReleaseDC(Box->ListHandle(), dc);

  HWND field = Box->FieldHandle();
  ASSERT_NE(field, nullptr);
  SendMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(field, WM_KEYDOWN, VK_F4, 0);
  PumpAll();
  EXPECT_FALSE(ListShown());
  EXPECT_FALSE(Box->DroppedDown()) << "closed: the button leaves its pressed look";
  EXPECT_EQ(Box->ItemIndex(), 1);
  EXPECT_EQ(Box->Text(), L"0-9");
}

TEST_P(ComboBox, PicksAnItemByMouse) {
  Drop();
  ASSERT_TRUE(ListShown());
  RECT item;
  ASSERT_NE(SendMessageW(Box->ListHandle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageW(Box->ListHandle(), WM_MOUSEMOVE, 0, at);
  SendMessageW(Box->ListHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(Box->ListHandle(), WM_LBUTTONUP, 0, at);
  PumpAll();
  EXPECT_FALSE(ListShown());
  EXPECT_EQ(Box->ItemIndex(), 1);
  EXPECT_EQ(Box->Text(), L"0-9");
  // The focus moves on: the field is the cache's picture again, with the new text in it.
  W->sEdit2->SetFocus();
  PumpAll();
  EXPECT_FALSE(Box->HasFocus());
}

TEST_P(ComboBox, TheButtonShowsPressedWhileTheListIsOpen) {
  const TRect b = Box->ButtonRect();
  const auto button = [&] {
    RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<COLORREF> pixels;
    for (int y = b.Top; y < b.Bottom; ++y)
      for (int x = b.Left; x < b.Right; ++x) pixels.push_back(CachePixel(x, y));
    return pixels;
  };
  ASSERT_NE(Box->SkinData.CacheBmp(), nullptr);
  W->sEdit2->SetFocus();
  PumpAll();
  const std::vector<COLORREF> normal = button();
  Drop();
  // The pressed look may fade in: a loaded machine gets there later.
  std::vector<COLORREF> pressed = button();
  for (int i = 0; i < 50 && pressed == normal; ++i) {
    Sleep(20);
    PumpAll();
    pressed = button();
  }
  EXPECT_NE(pressed, normal);
  SendMessageW(Box->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  W->sEdit2->SetFocus();
  PumpAll();
  EXPECT_FALSE(Box->DroppedDown());
  EXPECT_EQ(button(), normal);
}

TEST_P(ComboBox, ReadOnlyOnlyTakesTheFocus) {
  Box->SetItemIndex(2);
  Box->SetReadOnly(true);
  int doubleClicks = 0;
  Box->OnDblClick = [&](TComponent*) { ++doubleClicks; };
  W->sEdit2->SetFocus();
  PumpAll();
  ASSERT_FALSE(Box->HasFocus());
  const TRect b = Box->ButtonRect();
  const LPARAM onButton = MAKELPARAM((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  SendMessageW(Box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onButton);
  SendMessageW(Box->Handle(), WM_LBUTTONUP, 0, onButton);
  PumpAll();
  EXPECT_TRUE(Box->HasFocus()) << "a click still focuses the box";
  EXPECT_FALSE(ListShown()) << "but does not open the list";
  W->sEdit2->SetFocus();
  PumpAll();
  SendMessageW(Box->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, onButton);
  PumpAll();
  EXPECT_TRUE(Box->HasFocus());
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_FALSE(ListShown());

  SendMessageW(Box->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  EXPECT_FALSE(ListShown());
  HWND field = Box->FieldHandle();
  for (int key : {VK_DOWN, VK_UP, VK_F4, VK_SPACE, int('A')}) {
    SendMessageW(field, WM_KEYDOWN, key, 0);
    EXPECT_FALSE(ListShown()) << key;
  }
  SendMessageW(field, WM_SYSKEYDOWN, VK_DOWN, 0);
  EXPECT_FALSE(ListShown());
  SendMessageW(field, WM_CHAR, 'x', 0);
  SendMessageW(Box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageW(field, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageW(field, WM_CUT, 0, 0);
  SendMessageW(field, WM_CLEAR, 0, 0);
  PumpAll();
  EXPECT_FALSE(ListShown());
  EXPECT_EQ(Box->ItemIndex(), 2);
  EXPECT_EQ(Box->Text(), L"a-z");
  // The field's focus notifications still reach the box: leaving it takes the focus look away.
  W->sEdit2->SetFocus();
  PumpAll();
  EXPECT_FALSE(Box->HasFocus());
  EXPECT_FALSE(Box->SkinData.FFocused);
}

TEST_P(ComboBox, TypedTextIsTheTextAndTheFieldShowsItUnfocused) {
  const auto fieldPicture = [&] {
    W->sEdit2->SetFocus();
    PumpAll();
    RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const TRect f = Box->FieldRect();
    std::vector<COLORREF> pixels;
    for (int y = f.Top; y < f.Bottom; ++y)
      for (int x = f.Left; x < f.Right; ++x) pixels.push_back(CachePixel(x, y));
    return pixels;
  };
  const std::vector<COLORREF> empty = fieldPicture();
  Box->SetFocus();
  PumpAll();
  for (wchar_t c : std::wstring(L"7x#")) SendMessageW(Box->FieldHandle(), WM_CHAR, c, 0);
  EXPECT_EQ(Box->Text(), L"7x#");
  EXPECT_EQ(Box->ItemIndex(), -1);
  EXPECT_NE(fieldPicture(), empty) << "the typed text is in the cache's field";
}

TEST_P(ComboBox, ANewSkinWhileTheListIsOpenReachesTheList) {
  Drop();
  ASSERT_NE(Box->ListWrapper(), nullptr);
  TsSkinManager* m = W->sSkinManager1;
  const std::u16string other = m->SkinName() == u"MetroUI (internal)" ? u"Flatline (internal)" : u"MetroUI (internal)";
  m->SetSkinName(other);
  PumpAll();
  ASSERT_NE(Box->ListWrapper(), nullptr);
  EXPECT_FALSE(Box->ListWrapper()->Destroyed);
  EXPECT_TRUE(Box->ListWrapper()->Skinned());
  SendMessageW(Box->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  PumpAll();
}

TEST_P(ComboBox, WithoutASkinTheItemsArePlainAndTheListLetGo) {
  Drop();
  SendMessageW(Box->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  ASSERT_NE(Box->ListWrapper(), nullptr);
  W->sSkinManager1->SetActive(false);
  PumpAll();
  EXPECT_EQ(Box->ListWrapper(), nullptr);
  EXPECT_EQ(Box->ListHandle(), nullptr);
  Drop();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(Box->Handle(), &info));
  ASSERT_TRUE(IsWindowVisible(info.hwndList));
  RECT item;
  ASSERT_NE(SendMessageW(info.hwndList, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  HDC dc = GetDC(info.hwndList);
  EXPECT_EQ(GetPixel(dc, item.right - 3, item.top + 1), ColorToRGB(Box->Color()));
  ReleaseDC(info.hwndList, dc);
  SendMessageW(Box->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  PumpAll();
}

TEST_P(ComboBox, DisabledIsBlendedTowardItsParent) {
  const COLORREF parent = ColorToRGB(ParentBackgroundColor(Box->Parent()));
  POINT p{-1, -1};
  const auto pixel = [&] {
    Box->SkinData.BGChanged = true;
    RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The first pixel of the frame row through the middle that is not the parent's colour.
    for (int x = 0; p.x < 0 && x < Box->Width(); ++x)
      if (CachePixel(x, Box->Height() / 2) != parent) p = POINT{x, Box->Height() / 2};
    return p.x < 0 ? parent : CachePixel(p.x, p.y);
  };
  const COLORREF enabled = pixel();
  ASSERT_GE(p.x, 0);
  Box->SetEnabled(false);
  PumpAll();
  const COLORREF disabled = pixel();
  EXPECT_NE(disabled, enabled);
  for (int shift : {0, 8, 16}) {
    const int e = (enabled >> shift) & 0xFF, d = (disabled >> shift) & 0xFF, b = (parent >> shift) & 0xFF;
    EXPECT_GE(d, std::min(e, b));
    EXPECT_LE(d, std::max(e, b));
  }
}

TEST_P(ComboBox, TheMouseOverTheFieldIsOverTheBox) {
  SetCursorPos(0, 0);
  HWND field = Box->FieldHandle();
  SendMessageW(field, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Box->SkinData.FMouseAbove);
  // The mouse went from the field straight out of the box.
  SendMessageW(field, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Box->SkinData.FMouseAbove);
}

TEST_P(ComboBox, ABiggerFontGivesTallerItemsAndATallerField) {
  const auto itemHeight = [&](WPARAM part) { return static_cast<int>(SendMessageW(Box->Handle(), CB_GETITEMHEIGHT, part, 0)); };
  const auto fieldHeight = [&] {
    RECT r;
    GetWindowRect(Box->Handle(), &r);
    return static_cast<int>(r.bottom - r.top);
  };
  // The items are as tall as the font's capital plus a pixel above and below.
  EXPECT_EQ(itemHeight(0), Box->MeasuredItemHeight());
  EXPECT_EQ(Box->ItemHeight(), itemHeight(0));
  const int items = itemHeight(0), field = itemHeight(static_cast<WPARAM>(-1)), window = fieldHeight();
  Box->Font().SetHeight(-22);
  PumpAll();
  EXPECT_GT(itemHeight(0), items + 6);
  EXPECT_EQ(itemHeight(0), Box->MeasuredItemHeight());
  EXPECT_GT(itemHeight(static_cast<WPARAM>(-1)), field + 6);
  EXPECT_GT(fieldHeight(), window + 6);
  EXPECT_EQ(Box->Height(), fieldHeight()) << "the picture covers the whole field";
  // Scaled, the same font measures in proportion.
  const int unscaled = Box->MeasuredItemHeight();
  Box->actM = 2;
  EXPECT_EQ(Box->MeasuredItemHeight(), (unscaled - 2) * 2 + 2);
  Box->actM = 1;
  Box->SetAlignment(taCenter);
  EXPECT_EQ(Box->Alignment(), taCenter);
}

TEST_P(ComboBox, ASimpleBoxShowsItsSkinnedListInsideTheSkinsFrame) {
  auto owned = std::make_unique<TsComboBox>();
  TsComboBox* simple = owned.get();
  simple->SetStyle(csSimple);
  simple->SetItems({L"one", L"two", L"three"});
  simple->SkinData.SetSkinSection(u"TARNWICKCOMBOBOX");
  simple->SetBounds(10, 10, 90, 90);
  simple->SetParent(Box->GetParentForm());
  simple->Loaded();
  // Above whatever else lies there on the window, so that the screen shows it.
  SetWindowPos(simple->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PumpAll();
  RedrawWindow(simple->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpAll();
  EXPECT_EQ(simple->ButtonRect().Right - simple->ButtonRect().Left, 0) << "no drop-down button";
  ASSERT_NE(simple->ListHandle(), nullptr);
  EXPECT_EQ(GetParent(simple->ListHandle()), simple->Handle());
  EXPECT_TRUE(IsWindowVisible(simple->ListHandle()));
  auto* list = dynamic_cast<TqxComboListWnd*>(simple->ListWrapper());
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->SimplyBox);
  RECT lr, br;
  GetWindowRect(simple->ListHandle(), &lr);
  GetWindowRect(simple->Handle(), &br);
  EXPECT_EQ(lr.right - lr.left, br.right - br.left) << "the simple box's list keeps its width";
  // The field's frame band is the skin's picture, a field's height tall.
  ASSERT_NE(simple->SkinData.CacheBmp(), nullptr);
  const TBitmap32& cache = *simple->SkinData.CacheBmp();
  EXPECT_EQ(cache.Height(), simple->ItemHeight() + 8);
  HDC dc = GetDC(simple->Handle());
  for (POINT p : {POINT{0, 4}, POINT{45, 1}, POINT{89, 4}}) {
    const uint32_t c = cache.At(p.x, p.y);
    EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF)) << p.x << "," << p.y;
  }
  ReleaseDC(simple->Handle(), dc);
  // The list's frame is the skin's too: its corner is not the system's edge colour.
  HDC ldc = GetWindowDC(simple->ListHandle());
  EXPECT_NE(GetPixel(ldc, 0, 0), GetSysColor(COLOR_3DSHADOW));
  ReleaseDC(simple->ListHandle(), ldc);
  owned.reset();
  PumpAll();
}

INSTANTIATE_TEST_SUITE_P(Skins, ComboBox, ::testing::Values(u"Flatline (internal)", u"MetroUI (internal)"));

TEST(ForeignComboBox, ListedBoxesGetTheSkinsFrameButtonAndList) {
  TGeneratorWindow window;
  TsSkinManager& m = *window->sSkinManager1;
  m.ThirdParty[size_t(tcComboBoxes)] = {u"TComboBox"};
  m.Loaded();
  TForm host;
  host.SetClientWidth(200);
  host.SetClientHeight(220);
  host.Show();
  TComboBox combo;
  combo.SetItems({L"one", L"two"});
  combo.SetBounds(10, 10, 120, 21);
  combo.SetParent(&host);
  TqxCtrlAdapter adapter(host, nullptr, &m);
  adapter.AddAllItems();
  auto* wrapper = dynamic_cast<TqxComboBoxWnd*>(TqxMainWnd::FromHandle(combo.Handle()));
  ASSERT_NE(wrapper, nullptr);
  const TRect b = wrapper->ButtonRect();
  EXPECT_EQ(b.Right, 118);
  EXPECT_EQ(b.Right - b.Left, GetSystemMetrics(SM_CXVSCROLL));
  RedrawWindow(combo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpAll();
  // The frame band is the skin's picture, drawn over what the system painted.
  ASSERT_NE(wrapper->SkinData->CacheBmp(), nullptr);
  const TBitmap32& cache = *wrapper->SkinData->CacheBmp();
  HDC dc = GetDC(combo.Handle());
  for (POINT p : {POINT{0, 10}, POINT{60, 1}, POINT{119, 10}}) {
    const uint32_t c = cache.At(p.x, p.y);
    EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF)) << p.x << "," << p.y;
  }
  ReleaseDC(combo.Handle(), dc);
  SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  PumpAll();
  ASSERT_NE(wrapper->ListHandle(), nullptr);
  EXPECT_NE(dynamic_cast<TqxComboListWnd*>(wrapper->ListWrapper()), nullptr);
  SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  PumpAll();
}

}  // namespace
}  // namespace qw::test
