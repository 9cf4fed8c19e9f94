// The skinned edit on real windows: the cache look while inactive and the system's while active, the
// frame band from the cache, password characters, the hint, and the colours the skin gives.
#include <gtest/gtest.h>

#include <set>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
#include "skin/controls/sEdit.h"

namespace qw::test {
namespace {

constexpr TColor kRed = 0x0000FF;

// The colours of the window's pixels inside R (window coordinates), read from the window DC.
std::set<COLORREF> WindowColours(HWND window, const RECT& r) {
  std::set<COLORREF> seen;
  HDC dc = GetWindowDC(window);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) seen.insert(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return seen;
}

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The mouse over the edit makes it active too: keep it well away, wherever an earlier test left it.
    SetCursorPos(1270, 1010);
    Section = Skin.AddSection(u"EDIT", 0xF0F0F0);
    // Text in black with a red contour below: only the cache look has red.
    Skin.Section(Section).Props[0].FontColor = TsFontColor{0x000000, -1, -1, -1, kRed};
    Skin.Section(Section).Props[1].FontColor = Skin.Section(Section).Props[0].FontColor;
    Edit = Host.Add<TsEdit>(20, 20, 121, 21);
    Edit->SkinData.SetSkinSection(u"EDIT");
    Edit->SetText(L"HHHH");
    PumpAll();
  }
  void Paint() {
    RedrawWindow(Edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASE);
    PumpAll();
  }
  TTestSkin Skin;
  THostForm Host;
  TsEdit* Edit = nullptr;
  int Section = -1;
};

TEST_F(EditTest, InactiveFromTheCacheActiveFromTheSystem) {
  Paint();
  const RECT client{2, 2, 119, 19};
  EXPECT_TRUE(WindowColours(Edit->Handle(), client).count(RGB(255, 0, 0))) << "the skin's contour: the cache look";
  Edit->SetFocus();
  PumpAll();
  Paint();
  EXPECT_FALSE(WindowColours(Edit->Handle(), client).count(RGB(255, 0, 0))) << "focused: the system draws the text";
  // The focus moves on to another control.
  auto* other = Host.Add<TsEdit>(20, 60, 121, 21);
  other->SetFocus();
  PumpAll();
  Paint();
  EXPECT_TRUE(WindowColours(Edit->Handle(), client).count(RGB(255, 0, 0)));
}

TEST_F(EditTest, TheFrameBandComesFromTheCache) {
  Paint();
  ASSERT_NE(Edit->SkinData.CacheBmp(), nullptr);
  const TBitmap32& cache = *Edit->SkinData.CacheBmp();
  HDC dc = GetWindowDC(Edit->Handle());
  for (POINT p : {POINT{0, 0}, POINT{1, 10}, POINT{60, 20}, POINT{120, 5}}) {
    const uint32_t c = cache.At(p.x, p.y);
    EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF)) << p.x << "," << p.y;
  }
  ReleaseDC(Edit->Handle(), dc);
}

TEST_F(EditTest, PasswordCharactersAreBlackCircles) {
  auto* plain = Host.Add<TsEdit>(20, 60, 121, 21);
  plain->SkinData.SetSkinSection(u"EDIT");
  plain->SetText(L"\u25CF\u25CF\u25CF\u25CF");
  Edit->SetPasswordChar(u'*');
  Edit->SetText(L"abcd");
  Edit->PrepareCache();
  plain->PrepareCache();
  const TBitmap32& a = *Edit->SkinData.CacheBmp();
  const TBitmap32& b = *plain->SkinData.CacheBmp();
  ASSERT_EQ(a.PixelCount(), b.PixelCount());
  int differ = 0;
  for (size_t i = 0; i < a.PixelCount(); ++i) differ += (a.Pixels()[i] & 0xFFFFFF) != (b.Pixels()[i] & 0xFFFFFF);
  EXPECT_EQ(differ, 0) << "four characters of a password look like four black circles";
}

TEST_F(EditTest, AnEmptyEditShowsItsHintInTheMixedColour) {
  Edit->SetText(L"");
  Edit->TextHint = L"HHHH";
  Edit->Font().SetColor(0x000000);
  Edit->SkinData.SetCustomColor(true);
  Edit->SetColor(0xFFFFFF);
  Edit->PrepareCache();
  GdiFlush();
  const TColor mixed = MixColors(0x000000, 0xFFFFFF, 0.65);
  int hint = 0;
  const TBitmap32& cache = *Edit->SkinData.CacheBmp();
  for (size_t i = 0; i < cache.PixelCount(); ++i) hint += (cache.Pixels()[i] & 0xFFFFFF) == (ColorToPixel(mixed, 0) & 0xFFFFFF);
  EXPECT_GT(hint, 0);
}

TEST_F(EditTest, TheSkinSetsTheColoursUnlessTheEditKeepsItsOwn) {
  EXPECT_EQ(Edit->Color(), 0xF0F0F0);
  EXPECT_EQ(Edit->Font().Color(), 0x000000);
  auto* own = Host.Add<TsEdit>(20, 100, 121, 21);
  own->SetColor(0xFFFFFF);
  own->SkinData.SetCustomColor(true);
  own->SkinData.SetCustomFont(true);
  own->SkinData.SetSkinSection(u"EDIT");
  EXPECT_EQ(own->Color(), 0xFFFFFF);
}

TEST(GeneratorEdits, ResultEditTakesTheSkinsColourTheOwnCharactersEditStaysWhite) {
  TGeneratorWindow window;
  TsSkinManager& m = *window->sSkinManager1;
  const int edit = m.GetSkinIndex(u"EDIT");
  ASSERT_GE(edit, 0);
  EXPECT_EQ(ColorToRGB(window->sEdit1->Color()), ColorToRGB(m.gd[static_cast<size_t>(edit)].Props[0].Color));
  EXPECT_EQ(ColorToRGB(window->sEdit2->Color()), 0xFFFFFF);
  EXPECT_EQ(ColorToRGB(window->sEdit2->Font().Color()), 0x000000);
}

}  // namespace
}  // namespace qw::test
