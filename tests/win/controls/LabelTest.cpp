// Skinned labels painted by their parent against a skin the test builds: transparent over a skinned
// parent in the font colour that parent lends, the skin's global font colour when nothing lends one
// (also past an unskinned parent), dimmed when disabled, their own section, the skin going away; and the
// caption label bound to an input control.
#include <gtest/gtest.h>

#include "../../win/core/CoreTestSupport.h"
#include "BoxTestSupport.h"
#include "fw/Edit.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/core/SkinBroadcast_win.h"

namespace qw::test {
namespace {

constexpr TColor kLent = 0x0000FF, kGlobalFont = 0x008000, kBoxFace = 0xFFFFFF;

class LabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int global = Skin.AddSection(u"GLOBALINFO", 0xC0C0C0, 1);
    Skin.Section(global).Props[0].FontColor.Color = kGlobalFont;
    Skin.M.Tables.ConstData.IndexGLobalInfo = static_cast<int16_t>(global);
    const int lender = Skin.AddSection(u"LENDER", kBoxFace, 1);
    Skin.Section(lender).GiveOwnFont = true;
    Skin.Section(lender).Props[0].FontColor.Color = kLent;
    const int glass = Skin.AddSection(u"GLASS", 0x000000, 1);
    Skin.Section(glass).Props[0].Transparency = 100;
    Host.Form->SetColor(0xFFFFFF);
    Box = Host.Add<TsGroupBox>(10, 10, 200, 100);
    Box->SkinData.SetSkinSection(u"LENDER");
    L = Host.Add<TsLabel>(20, 40, 0, 0, Box);
    L->SetCaption(L"HHHH");
  }
  TRect LabelArea() const { return TRect{L->Left(), L->Top(), L->Left() + L->Width(), L->Top() + L->Height()}; }
  TTestSkin Skin;
  THostForm Host;
  TsGroupBox* Box = nullptr;
  TsLabel* L = nullptr;
};

TEST_F(LabelTest, TransparentOverASkinnedParentInTheColourItLends) {
  ASSERT_GT(L->Width(), 10) << "auto-sized to its text";
  const TBitmap32 picture = PictureOf(*Box);
  EXPECT_GT(CountOf(picture, LabelArea(), PixelOf(kLent)), 10);
  EXPECT_GT(CountOf(picture, LabelArea(), PixelOf(kBoxFace)), L->Width() * L->Height() / 3) << "the box shows through";
  EXPECT_EQ(CountOf(picture, LabelArea(), PixelOf(ColorToRGB(clBtnFace))), 0);
  SendSkinCommand(L, skcRefresh, reinterpret_cast<LPARAM>(&Skin.M));
  EXPECT_EQ(L->Font().Color(), kLent) << "the font takes the colour";
}

TEST_F(LabelTest, NothingLendingMeansTheGlobalFontColourAlsoPastAnUnskinnedParent) {
  Box->SkinData.SetSkinSection(u"GLASS");  // passes the search on to the plain form, which lends nothing
  SendSkinCommand(L, skcRefresh, reinterpret_cast<LPARAM>(&Skin.M));
  EXPECT_EQ(L->Font().Color(), kGlobalFont);
  EXPECT_GT(CountOf(PictureOf(*Box), LabelArea(), PixelOf(kGlobalFont)), 10);
  // A label keeping its own colour.
  L->SetUseSkinColor(false);
  L->Font().SetColor(0xFF0000);
  EXPECT_GT(CountOf(PictureOf(*Box), LabelArea(), PixelOf(0xFF0000)), 10);
  EXPECT_EQ(CountOf(PictureOf(*Box), LabelArea(), PixelOf(kGlobalFont)), 0);
}

TEST_F(LabelTest, ADisabledLabelIsDrawnOnceInFortyPercentOfItsColourOverItsParent) {
  Skin.Section(Skin.M.GetSkinIndex(u"LENDER")).Props[0].FontColor.Color = 0x000000;
  L->SetEnabled(false);
  const TBitmap32 picture = PictureOf(*Box);
  EXPECT_GT(CountOf(picture, LabelArea(), 0x999999u), 10);  // RGB(153, 153, 153)
  EXPECT_EQ(CountIn(picture, LabelArea(), [](uint32_t p) { return (p & 0xFF) < 0x99; }), 0) << "no darker pass";
}

TEST_F(LabelTest, ItsOwnSectionGivesItsFontColourAndPastTheFirstSectionItsBackground) {
  const int tag = Skin.AddSection(u"TAG", 0x00FFFF, 1);
  Skin.Section(tag).Props[0].FontColor.Color = 0xFF00FF - 1;
  L->SetSkinSection(u"tag");
  EXPECT_EQ(L->SkinSection(), u"TAG");
  TBitmap32 picture = PictureOf(*Box);
  EXPECT_GT(CountOf(picture, LabelArea(), PixelOf(0x00FFFF)), L->Width() * L->Height() / 3);
  EXPECT_GT(CountOf(picture, LabelArea(), PixelOf(0xFF00FF - 1)), 10);
  // The skin's first section is no label's background.
  L->SetSkinSection(u"GLOBALINFO");
  picture = PictureOf(*Box);
  EXPECT_EQ(CountOf(picture, LabelArea(), PixelOf(0xC0C0C0)), 0);
  EXPECT_GT(CountOf(picture, LabelArea(), PixelOf(kGlobalFont)), 10);
}

TEST_F(LabelTest, TheSkinGoingAwayGivesTheWindowTextColour) {
  SendSkinCommand(L, skcRefresh, reinterpret_cast<LPARAM>(&Skin.M));
  ASSERT_EQ(L->Font().Color(), kLent);
  SendSkinCommand(L, skcRemoveSkin, reinterpret_cast<LPARAM>(&Skin.M));
  EXPECT_EQ(L->Font().Color(), clWindowText);
  int entered = 0;
  L->OnMouseEnter = [&](TComponent*) { ++entered; };
  SendMessageW(Box->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(L->Left() + 2, L->Top() + 2));
  EXPECT_EQ(entered, 1);
}

class BoundLabelTest : public LabelTest {
 protected:
  void SetUp() override {
    LabelTest::SetUp();
    Edit = Host.Add<TEdit>(80, 60, 100, 21, Box);
    Edit->SetName("Edit1");
    Data = std::make_unique<TsCommonData>(Edit, false);
    Bound = std::make_unique<TsBoundLabel>(*Edit, *Data);
  }
  void TearDown() override {
    Bound.reset();
    Data.reset();
  }
  TEdit* Edit = nullptr;
  std::unique_ptr<TsCommonData> Data;
  std::unique_ptr<TsBoundLabel> Bound;
};

TEST_F(BoundLabelTest, ExistsOnlyWhileActiveBesideTheControlOnItsParent) {
  EXPECT_EQ(Bound->TheLabel(), nullptr);
  Bound->SetLayout(sclTopLeft);
  Bound->SetIndent(2);
  Bound->SetActive(true);
  TsEditLabel* label = Bound->TheLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Name(), "Edit1Label");
  EXPECT_EQ(label->Caption(), L"Edit1") << "no caption: the control's name";
  EXPECT_EQ(label->Parent(), static_cast<TWinControl*>(Box));
  EXPECT_EQ(label->FocusControl, static_cast<TWinControl*>(Edit));
  EXPECT_EQ(label->BoundLabel, Bound.get());
  EXPECT_TRUE(label->Visible());
  EXPECT_EQ(label->Left(), 80);
  EXPECT_EQ(label->Top(), 60 - label->Height() - 2);
  EXPECT_EQ(label->Alignment(), taLeftJustify);
  Bound->SetCaption(L"Length");
  EXPECT_EQ(label->Caption(), L"Length");
  Bound->SetLayout(sclBottomRight);
  EXPECT_EQ(label->Alignment(), taRightJustify);
  EXPECT_EQ(label->Left() + label->Width(), 180);
  EXPECT_EQ(label->Top(), 60 + 21 + 2);
  EXPECT_GT(CountOf(PictureOf(*Box), TRect{label->Left(), label->Top(), label->Left() + label->Width(),
                                           label->Top() + label->Height()},
                    PixelOf(kLent)),
            5)
      << "a skinned label like any other";
  const int children = Box->ControlCount();
  Bound->SetActive(false);
  EXPECT_EQ(Bound->TheLabel(), nullptr);
  EXPECT_EQ(Box->ControlCount(), children - 1);
}

TEST_F(BoundLabelTest, FollowsTheControlsStateAndWrapsAtItsLimit) {
  Edit->SetEnabled(false);
  Bound->SetCaption(L"A rather long caption for a narrow limit");
  Bound->SetActive(true);
  TsEditLabel* label = Bound->TheLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_FALSE(label->Enabled());
  const int oneLine = label->Height();
  Bound->SetMaxWidth(60);
  EXPECT_LE(label->Width(), 60);
  EXPECT_TRUE(label->WordWrap());
  EXPECT_GT(label->Height(), oneLine);
  // Font and colour choice set before the label exists reach it.
  Bound->SetActive(false);
  TFont font;
  font.SetHeight(-20);
  Bound->SetFont(font);
  Bound->SetUseSkinColor(false);
  Bound->SetActive(true);
  EXPECT_EQ(Bound->TheLabel()->Font().Height(), -20);
  EXPECT_FALSE(Bound->TheLabel()->UseSkinColor());
}

// The skinned edit carries its own bound label, which follows what happens to the edit.
TEST_F(LabelTest, ASkinnedEditsLabelFollowsItsPlaceVisibilityAndEnabledState) {
  auto* edit = Host.Add<TsEdit>(80, 60, 100, 21, Box);
  edit->SetName("Edit2");
  edit->BoundLabel.SetLayout(sclLeft);
  edit->BoundLabel.SetActive(true);
  TsEditLabel* label = edit->BoundLabel.TheLabel();
  ASSERT_NE(label, nullptr);
  const int gap = 80 - (label->Left() + label->Width());
  const int top = label->Top() - 60;
  EXPECT_GT(gap, 0);
  edit->SetBounds(120, 30, 60, 21);
  EXPECT_EQ(120 - (label->Left() + label->Width()), gap) << "moved with the edit";
  EXPECT_EQ(label->Top() - 30, top);
  edit->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  edit->SetVisible(true);
  EXPECT_TRUE(label->Visible());
  // A blended disabled edit takes its label along; one drawn otherwise leaves it readable.
  edit->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  edit->SetEnabled(true);
  edit->SetDisabledKind(0);
  edit->SetEnabled(false);
  EXPECT_TRUE(label->Enabled());
}

}  // namespace
}  // namespace qw::test
