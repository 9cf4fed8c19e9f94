// The skinned spin edit on real windows: held arrows repeat on the timer's ticks, typing takes digits only,
// the value is clamped when the focus leaves and on every step, and the arrows come from the skin.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
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

}  // namespace
}  // namespace qw::test
