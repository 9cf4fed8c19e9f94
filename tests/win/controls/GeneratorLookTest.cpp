// The generator window's group boxes, password panel and status label painted from each shipped skin:
// the pages' colour around and inside the boxes, the frames from the skin's border masks, the caption
// plates breaking the frame line, the captions and the password in their colours, and nothing hot.
#include <gtest/gtest.h>

#include "../form/FormTestSupport.h"
#include "BoxTestSupport.h"
#include "fw/PageControl.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sPageControl.h"
#include "skin/controls/sPanel.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

class GeneratorLook : public ::testing::TestWithParam<const char16_t*> {
 protected:
  void SetUp() override {
    M = W->sSkinManager1;
    if (M->SkinName() != GetParam()) M->SetSkinName(GetParam());
    ASSERT_EQ(M->SkinName(), GetParam());
    Pump(5);
  }
  const TsGeneralData& Section(std::u16string_view name) {
    const int i = M->GetSkinIndex(name);
    EXPECT_GE(i, 0) << Utf16Name(name);
    return M->gd[static_cast<size_t>(i)];
  }
  static std::string Utf16Name(std::u16string_view s) { return std::string(s.begin(), s.end()); }
  // The pages show the page control's page area: its own colour when it keeps one, else its section's.
  uint32_t PageColor() {
    const TColor own = W->sPageControl1->SkinData.CustomBackgroundColor();
    return PixelOf(own != clNoColor ? own : Section(u"PAGECONTROL").Props[0].Color);
  }
  const TsMaskData& Border(std::u16string_view section) {
    return M->ma[static_cast<size_t>(Section(section).BorderIndex)];
  }
  // The top line of a frame over Behind, from the first column of the mask's top side.
  uint32_t TopLine(std::u16string_view section, uint32_t behind) {
    const TsMaskData& mask = Border(section);
    return MaskedBorderPixel(*M, mask, mask.R.Left + mask.WL, mask.R.Top, behind);
  }
  uint32_t LeftSide(std::u16string_view section, uint32_t behind) {
    const TsMaskData& mask = Border(section);
    return MaskedBorderPixel(*M, mask, mask.R.Left, mask.R.Top + mask.WT, behind);
  }
  TGeneratorWindow W;
  TsSkinManager* M = nullptr;
};

TEST_P(GeneratorLook, GroupBoxesShowThePageAroundAndInsideTheirFrames) {
  TsGroupBox& box = *W->sGroupBox2;
  ASSERT_TRUE(box.SkinData.Skinned());
  const TBitmap32 picture = PictureOf(box);
  const TRect cr = box.CaptionRect();
  const int top = HeightOfRect(cr) / 2;
  const uint32_t page = PageColor();
  ASSERT_NE(TopLine(u"GROUPBOX", page), page);
  EXPECT_EQ(Rgb(picture, box.Width() - 20, 0), page) << "the band above the frame";
  EXPECT_EQ(Rgb(picture, box.Width() - 20, top), TopLine(u"GROUPBOX", page)) << "the frame";
  EXPECT_EQ(Rgb(picture, cr.Left + 1, top), page) << "the caption plate breaks the frame line";
  EXPECT_EQ(Rgb(picture, 254, 40), page) << "a fully transparent section: the page inside, between the check boxes";
  EXPECT_GT(CountOf(picture, cr, PixelOf(W->sGroupBox2->Font().Color())), 5) << "the caption in its own grey";
  // A box keeping its own colour has it inside and the page above its frame.
  const TBitmap32 actions = PictureOf(*W->sGroupBox3);
  EXPECT_EQ(Rgb(actions, W->sGroupBox3->Width() - 20, 0), page);
  EXPECT_EQ(Rgb(actions, W->sGroupBox3->Width() / 2, W->sGroupBox3->Height() - 8), PixelOf(W->sGroupBox3->Color()));
}

TEST_P(GeneratorLook, ACaptionWithoutItsOwnFontTakesTheSectionsColour) {
  // The result box lies beside the window on the form: no parent section lends a colour.
  TsGroupBox& box = *W->sGroupBox1;
  ASSERT_FALSE(box.SkinData.CustomFont());
  const TBitmap32 picture = PictureOf(box);
  EXPECT_GT(CountOf(picture, box.CaptionRect(), PixelOf(Section(u"GROUPBOX").Props[0].FontColor.Color)), 5);
}

TEST_P(GeneratorLook, HoveringOverAGroupBoxChangesNothing) {
  TsGroupBox& box = *W->sGroupBox2;
  const TBitmap32 before = PictureOf(box);
  SendMessageW(box.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 40));
  box.Perform(FW_MOUSE_ENTER);
  Pump(2);
  const TBitmap32 after = PictureOf(box);
  int differing = 0;
  for (int y = 0; y < after.Height(); ++y)
    for (int x = 0; x < after.Width(); ++x) differing += Rgb(before, x, y) != Rgb(after, x, y);
  EXPECT_EQ(differing, 0);
}

TEST_P(GeneratorLook, ThePasswordPanelIsWhiteInsideTheEditBorderWithTheRedPassword) {
  TsPanel& panel = *W->sPanel1;
  ASSERT_TRUE(panel.SkinData.Skinned());
  EXPECT_FALSE(panel.PaintsThroughCache()) << "its own colour: straight from colours";
  const TBitmap32 picture = PictureOf(panel);
  const int middle = panel.Height() / 2;
  ASSERT_NE(LeftSide(u"EDIT", 0xFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(Rgb(picture, 8, middle), 0xFFFFFFu);
  EXPECT_EQ(Rgb(picture, 0, middle), LeftSide(u"EDIT", 0xFFFFFF));
  EXPECT_EQ(Rgb(picture, panel.Width() / 2, 0), TopLine(u"EDIT", 0xFFFFFF));
  EXPECT_GT(CountOf(picture, TRect{0, 0, panel.Width(), panel.Height()}, 0xFF0000u), 20);
  // A new password is shown at once.
  panel.SetCaption(L"");
  EXPECT_EQ(CountOf(PictureOf(panel), TRect{0, 0, panel.Width(), panel.Height()}, 0xFF0000u), 0);
}

TEST_P(GeneratorLook, TheStatusLabelIsTransparentInTheSkinsFontColour) {
  TsLabel& label = *W->sLabel1;
  label.SetCaption(L"Saved: HHHH");
  ASSERT_GT(label.Width(), 20);
  const TBitmap32 picture = PictureOf(*W->sGroupBox5);
  const TRect area{label.Left(), label.Top(), label.Left() + label.Width(), label.Top() + label.Height()};
  EXPECT_GT(CountOf(picture, area, PixelOf(M->GetGlobalFontColor())), 5);
  EXPECT_GT(CountOf(picture, area, PageColor()), label.Width() * label.Height() / 3);
  EXPECT_EQ(label.Font().Color(), static_cast<TColor>(M->GetGlobalFontColor()));
}

TEST_P(GeneratorLook, ThePagesFaceIsTheColourItGivesItsChildren) {
  TBitmap32 picture(W->sTabSheet1->Width(), W->sTabSheet1->Height());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
  W->sTabSheet1->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  EXPECT_EQ(Rgb(picture, 1, picture.Height() - 2), PageColor());
}

INSTANTIATE_TEST_SUITE_P(Skins, GeneratorLook, ::testing::Values(u"Flatline (internal)", u"MetroUI (internal)"),
                         [](const auto& info) { return info.index == 0 ? "Flatline" : "MetroUI"; });

}  // namespace
}  // namespace qw::test
