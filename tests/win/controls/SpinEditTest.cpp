// The skinned spin edit on real windows: held arrows repeat on the timer's ticks, typing takes digits only,
// the value is clamped when the focus leaves and on every step, and the arrows come from the skin.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
#include "skin/controls/SpinEditLayout.h"
#include "skin/controls/sSpinEdit.h"

namespace qw::test {
namespace {

constexpr TColor kRed = 0x0000FF;

class SpinEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Skin.AddSection(u"EDIT", 0xF0F0F0);
    Spin = Host.Add<TsSpinEdit>(20, 20, 46, 21);
    Spin->SkinData.SetSkinSection(u"EDIT");
    Spin->MinValue = 4;
    Spin->MaxValue = 30;
    Spin->SetValue(8);
    Other = Host.Add<TsEdit>(20, 60, 121, 21);
    PumpAll();
  }
  HWND Pair() { return Spin->Button().Handle(); }
  void Type(const std::wstring& chars) {
    for (wchar_t ch : chars) SendMessageW(Spin->Handle(), WM_CHAR, ch, 1);
  }
  TTestSkin Skin;
  THostForm Host;
  TsSpinEdit* Spin = nullptr;
  TsEdit* Other = nullptr;
};

TEST_F(SpinEditTest, AHeldArrowStepsAfterTheFirstDelayThenOnEveryTick) {
  ASSERT_NE(Pair(), nullptr);
  TsTimerSpeedButton& up = Spin->Button().UpButton();
  SendMessageW(Pair(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
  EXPECT_TRUE(Spin->Focused()) << "pressing an arrow gives the edit the focus";
  EXPECT_EQ(Spin->Text(), L"8") << "the press itself does not step";
  ASSERT_NE(up.RepeatTimer(), nullptr);
  EXPECT_TRUE(up.RepeatTimer()->Enabled());
  EXPECT_EQ(up.RepeatTimer()->Interval(), TsTimerSpeedButton::kFirstRepeatMs);
  // About a second held: the first tick at 400 ms, then one every 100 ms.
  up.RepeatTimer()->Timer();
  EXPECT_EQ(Spin->Text(), L"9");
  EXPECT_EQ(up.RepeatTimer()->Interval(), TsTimerSpeedButton::kRepeatMs);
  for (int i = 0; i < 6; ++i) up.RepeatTimer()->Timer();
  EXPECT_EQ(Spin->Text(), L"15");
  // Released over the arrow: one more step, and the timer stops.
  SendMessageW(Pair(), WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
  EXPECT_EQ(Spin->Text(), L"16");
  EXPECT_FALSE(up.RepeatTimer()->Enabled());
  // A tick already queued when the button went up changes nothing.
  up.RepeatTimer()->Timer();
  EXPECT_EQ(Spin->Text(), L"16");
}

TEST_F(SpinEditTest, ArrowsStopAtTheLimitsAndSumBeyondThirtyTwoBitsWithoutWrapping) {
  RECT r;
  GetClientRect(Pair(), &r);
  Spin->SetText(L"30");
  ClickAt(Pair(), r.right / 2, 2);
  EXPECT_EQ(Spin->Text(), L"30");
  Spin->SetText(L"4");
  ClickAt(Pair(), r.right / 2, r.bottom - 2);
  EXPECT_EQ(Spin->Text(), L"4");
  Spin->MinValue = Spin->MaxValue = 0;
  Spin->Increment = INT_MAX;
  Spin->SetText(L"2147483600");
  ClickAt(Pair(), r.right / 2, 2);
  EXPECT_EQ(Spin->Text(), L"2147483647");
  Spin->SetText(L"-2147483600");
  Spin->StepDown();
  EXPECT_EQ(Spin->Text(), L"-2147483648");
  // The wheel: whole notches only, clamped the same way.
  Spin->SetText(L"2147483600");
  SendMessageW(Spin->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
  EXPECT_EQ(Spin->Text(), L"2147483647");
  Spin->Increment = 1;
  Spin->SetText(L"10");
  SendMessageW(Spin->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
  EXPECT_EQ(Spin->Text(), L"10");
  SendMessageW(Spin->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
  EXPECT_EQ(Spin->Text(), L"7");
  Spin->ReadOnly = true;
  SendMessageW(Spin->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  Spin->StepUp();
  EXPECT_EQ(Spin->Text(), L"7");
}

TEST_F(SpinEditTest, TypingTakesDigitsAndNoLineBreaks) {
  Spin->SetFocus();
  PumpAll();
  SendMessageW(Spin->Handle(), EM_SETSEL, 0, -1);
  Type(L"1a\n2\x1F-\t\r9");
  EXPECT_EQ(Spin->Text(), L"129");
  // A minus only where negatives may be typed, at the front.
  Spin->MinValue = -10;
  SendMessageW(Spin->Handle(), EM_SETSEL, 0, -1);
  Type(L"-5-");
  EXPECT_EQ(Spin->Text(), L"-5");
  // Ctrl+V arrives as a control character and keeps the paste rule: no number, the value from before.
  SetClipboardText(L"1\r\n2");
  SendMessageW(Spin->Handle(), EM_SETSEL, 0, -1);
  Type(L"\x16");
  EXPECT_EQ(Spin->Text(), L"-5");
  SetClipboardText(L"12");
  SendMessageW(Spin->Handle(), EM_SETSEL, 2, 2);
  Type(L"\x16");
  EXPECT_EQ(Spin->Text(), L"-512") << "kept as pasted until the focus leaves";
  // Cut keeps the same rule: what it leaves must be a number.
  SendMessageW(Spin->Handle(), EM_SETSEL, 1, 4);
  SendMessageW(Spin->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(Spin->Text(), L"-512") << "a lone minus is no number";
  SendMessageW(Spin->Handle(), EM_SETSEL, 2, 4);
  SendMessageW(Spin->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(Spin->Text(), L"-5");
  // Enter belongs to the form (its default button), not to the multi-line edit underneath.
  EXPECT_EQ(SendMessageW(Spin->Handle(), WM_GETDLGCODE, VK_RETURN, 0) & DLGC_WANTALLKEYS, 0);
}

TEST_F(SpinEditTest, TheValueIsClampedWhenTheFocusLeaves) {
  const struct {
    const wchar_t* Typed;
    const wchar_t* After;
  } cases[] = {{L"99", L"30"}, {L"1", L"4"}, {L"", L"4"}, {L"007", L"007"}, {L"12345678901", L"12345678901"}};
  for (const auto& c : cases) {
    Spin->SetFocus();
    PumpAll();
    Spin->SetText(c.Typed);
    EXPECT_EQ(Spin->Text(), c.Typed) << "no clamping while typing";
    Other->SetFocus();
    PumpAll();
    EXPECT_EQ(Spin->Text(), c.After);
  }
}

TEST_F(SpinEditTest, ArrowsArePaintedInTheFontColourAndKeptInThePictureWhenDisabled) {
  // The inactive look is the one kept in the picture: neither the mouse nor the focus on the spin edit.
  SetCursorPos(0, 0);
  Other->SetFocus();
  PumpAll();
  Spin->Font().SetColor(kRed);
  Spin->SkinData.Invalidate(true);
  RedrawWindow(Spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASE);
  PumpAll();
  // The up arrow's point: frame 2 + pair at 24 + triangle column 8, row 2.
  const TPoint point{2 + 24 + 8, 2 + 0 + 2};
  const TPoint beside{2 + 24 + 2, 2 + 0 + 2};
  ASSERT_NE(Spin->SkinData.CacheBmp(), nullptr);
  EXPECT_EQ(Spin->SkinData.CacheBmp()->At(point.X, point.Y) & 0xFFFFFF, 0xFF0000u) << "red, as the cache keeps it";
  EXPECT_TRUE(IsWindowVisible(Pair()));
  Spin->SetEnabled(false);
  PumpAll();
  EXPECT_FALSE(IsWindowVisible(Pair())) << "disabled and skinned: the arrows live in the picture";
  RedrawWindow(Spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASE);
  PumpAll();
  const TBitmap32& cache = *Spin->SkinData.CacheBmp();
  EXPECT_NE(cache.At(point.X, point.Y), cache.At(beside.X, beside.Y)) << "the arrow is still drawn";
  EXPECT_NE(cache.At(point.X, point.Y) & 0xFFFFFF, 0xFF0000u) << "with the disabled look";
  Spin->SetEnabled(true);
  PumpAll();
  EXPECT_TRUE(IsWindowVisible(Pair()));
}

TEST_F(SpinEditTest, TabAndEnterGoWhereTheSpinEditNamesOrAlongTheTabOrder) {
  TsEdit* prev = Host.Add<TsEdit>(20, 100, 121, 21);
  const auto press = [&](UINT key, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    Spin->SetFocus();
    PumpAll();
    PostMessageW(Spin->Handle(), WM_KEYDOWN, key, 1);
    PumpAll();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return GetFocus();
  };
  Spin->PrevTabControl = prev;
  Spin->NextTabControl = prev;
  EXPECT_EQ(press(VK_TAB, true), prev->Handle());
  Spin->PrevTabControl = nullptr;
  EXPECT_EQ(press(VK_RETURN, false), prev->Handle()) << "Enter too goes to the named control";
  // Without one, Tab follows the form's order (the edit made after the spin edit) and Enter stays.
  Spin->NextTabControl = nullptr;
  EXPECT_EQ(press(VK_TAB, false), Other->Handle());
  EXPECT_EQ(press(VK_RETURN, false), Spin->Handle());
  // A named control that goes away is forgotten, not followed.
  Spin->NextTabControl = prev;
  Spin->Notification(prev, TOperation::opRemove);
  EXPECT_EQ(Spin->NextTabControl, nullptr);
}

TEST_F(SpinEditTest, TakingTheFocusSelectsTheWholeText) {
  Spin->SetText(L"123");
  Other->SetFocus();
  PumpAll();
  Spin->SetFocus();
  PumpAll();
  DWORD start = 9, end = 9;
  SendMessageW(Spin->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  Spin->AutoSelect = false;
  SendMessageW(Spin->Handle(), EM_SETSEL, 1, 1);
  Other->SetFocus();
  PumpAll();
  Spin->SetFocus();
  PumpAll();
  SendMessageW(Spin->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 0u);
}

TEST_F(SpinEditTest, GlyphsReplaceTheTrianglesAndTheFocusedArrowShowsItsRectangle) {
  SetCursorPos(0, 0);
  TsSpinButton& pair = Spin->Button();
  // A 5 x 3 red bar on a green key (the bottom-left pixel).
  TBitmap32 glyph(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) glyph.At(x, y) = y == 1 ? 0xFFFF0000u : 0xFF00FF00u;
  pair.SetUpGlyph(std::move(glyph));
  ASSERT_FALSE(pair.UpButton().Glyph.Empty());
  const auto picture = [&] {
    TBitmap32 bmp(pair.Width(), pair.Height());
    pair.PaintSkinned(bmp, TPoint{0, 0}, nullptr, TPoint{-1, -1});
    return bmp;
  };
  const TUpDownButtons b = SpinArrowButtons(pair.Width(), pair.Height());
  const TPoint centre = SpinGlyphPos(b.First, 5, 3);
  TBitmap32 bmp = picture();
  EXPECT_EQ(bmp.At(centre.X + 2, centre.Y + 1) & 0xFFFFFF, 0xFF0000u) << "the glyph's bar";
  EXPECT_NE(bmp.At(centre.X + 2, centre.Y) & 0xFFFFFF, 0x00FF00u) << "its key colour is left out";
  // The down arrow keeps its triangle: the point row of the triangle differs from the pixel beside it.
  const std::vector<TSpinArrowRow> rows = SpinArrowRows(WidthOfRect(b.Second), HeightOfRect(b.Second), false);
  const TSpinArrowRow point = rows.back();
  EXPECT_NE(bmp.At(point.Left, b.Second.Top + point.Y), bmp.At(point.Left - 3, b.Second.Top + point.Y));

  // The pair in the tab order: its focused arrow shows the focus rectangle, 3 pixels inside.
  pair.TabStop = true;
  EXPECT_EQ(SendMessageW(pair.Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  pair.SetFocusedButton(&pair.DownButton());
  const TBitmap32 before = picture();
  SetFocus(pair.Handle());
  PumpAll();
  EXPECT_TRUE(pair.DownButton().TimeBtnState & tbFocusRect);
  const TRect f = SpinFocusRect(b.Second, false);
  const TBitmap32 focused = picture();
  int changed = 0;
  for (int x = f.Left; x < f.Right; ++x) changed += focused.At(x, f.Top) != before.At(x, f.Top);
  EXPECT_GT(changed, 0) << "the dotted line along the top";
  EXPECT_EQ(focused.At(f.Left - 1, f.Top - 1), before.At(f.Left - 1, f.Top - 1));
  Other->SetFocus();
  PumpAll();
  EXPECT_FALSE(pair.DownButton().TimeBtnState & tbFocusRect);
}

TEST(EditCharCase, TypedLettersTakeTheCaseAsked) {
  THostForm host;
  auto owned = std::make_unique<TEdit>();
  TEdit* edit = owned.get();
  edit->CharCase = ecUpperCase;
  edit->SetBounds(10, 10, 100, 21);
  edit->SetParent(host.Form.get());
  host.Owned.push_back(std::move(owned));
  SendMessageW(edit->Handle(), WM_CHAR, L'a', 1);
  SendMessageW(edit->Handle(), WM_CHAR, L'7', 1);
  EXPECT_EQ(edit->Text(), L"A7");
}

}  // namespace
}  // namespace qw::test
