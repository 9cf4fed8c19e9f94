// Skinned group boxes on a plain form against a skin the test builds: the caption band and the caption
// plate show what lies behind the box, the frame starts half-way down the caption, the caption is written
// in the section's font colour, hovering changes nothing, and windowless children are painted over the
// box's picture.
#include <gtest/gtest.h>

#include "../../win/core/CoreTestSupport.h"
#include "BoxTestSupport.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/SkinBroadcast_win.h"

namespace qw::test {
namespace {

constexpr TColor kFormColor = 0x00FF00, kFrame = 0x0000FF, kCaptionFont = 0xFF0000;

class GroupBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Box = Skin.AddSection(u"GROUPBOX", 0x000000, 1);
    Skin.Section(Box).Props[0].Transparency = Skin.Section(Box).Props[1].Transparency = 100;
    Skin.Section(Box).Props[0].FontColor.Color = kCaptionFont;
    AddPlainFrame(Skin, Box, kFrame, 2);
    const int plate = Skin.AddSection(u"CHECKBOX", 0x000000, 2);
    Skin.Section(plate).Props[0].Transparency = Skin.Section(plate).Props[1].Transparency = 100;
    Host.Form->SetColor(kFormColor);
    G = Host.Add<TsGroupBox>(10, 10, 200, 80);
    G->SetCaption(L"HH");
    G->SkinData.SetSkinSection(u"GROUPBOX");
    ASSERT_TRUE(G->SkinData.Skinned());
  }
  TTestSkin Skin;
  THostForm Host;
  TsGroupBox* G = nullptr;
  int Box = -1;
};

TEST_F(GroupBoxTest, TheCaptionInterruptsAFrameThatStartsHalfWayDownItsBand) {
  G->PrepareCache();
  const TBitmap32& c = *G->SkinData.CacheBmp();
  const TRect cr = G->CaptionRect();
  const int top = HeightOfRect(cr) / 2;
  ASSERT_GT(top, 2);
  EXPECT_EQ(cr.Left, 6);
  // Above the frame: the form behind the box.
  EXPECT_EQ(CountOf(c, TRect{0, 0, c.Width(), top}, PixelOf(kFormColor)) +
                CountIn(c, TRect{cr.Left, 0, cr.Right, top}, [](uint32_t p) { return p != PixelOf(kFormColor); }),
            c.Width() * top);
  // The frame's top line, broken by the caption plate that shows the form.
  EXPECT_EQ(Rgb(c, cr.Right + 5, top), PixelOf(kFrame));
  EXPECT_EQ(Rgb(c, cr.Right + 5, top + 1), PixelOf(kFrame));
  EXPECT_EQ(Rgb(c, cr.Left + 1, top), PixelOf(kFormColor));
  EXPECT_EQ(Rgb(c, cr.Right - 1, top + 1), PixelOf(kFormColor));
  EXPECT_EQ(Rgb(c, 0, 50), PixelOf(kFrame));
  EXPECT_EQ(Rgb(c, 199, 50), PixelOf(kFrame));
  EXPECT_EQ(Rgb(c, 100, 79), PixelOf(kFrame));
  // A fully transparent section: the form inside.
  EXPECT_EQ(Rgb(c, 100, 50), PixelOf(kFormColor));
  // The caption in the section's font colour, inside its rectangle only.
  EXPECT_GT(CountOf(c, cr, PixelOf(kCaptionFont)), 10);
  EXPECT_EQ(CountOf(c, TRect{0, cr.Bottom, c.Width(), c.Height()}, PixelOf(kCaptionFont)), 0);
  EXPECT_FALSE(G->SkinData.BGChanged);
}

TEST_F(GroupBoxTest, ACaptionMovedUpStartsTheFrameAtTheTop) {
  G->SetCaptionYOffset(-4);
  G->PrepareCache();
  const TBitmap32& c = *G->SkinData.CacheBmp();
  EXPECT_EQ(Rgb(c, 150, 0), PixelOf(kFrame));
  EXPECT_EQ(Rgb(c, 150, 2), PixelOf(kFormColor));
}

// How many pixels of the box's cache differ from Before.
int Differing(const TBitmap32& before, const TBitmap32& after) {
  int n = 0;
  for (int y = 0; y < after.Height(); ++y)
    for (int x = 0; x < after.Width(); ++x) n += before.At(x, y) != after.At(x, y);
  return n;
}

TEST_F(GroupBoxTest, NeitherHoveringNorFocusChangesAnything) {
  // Hot looks that would show: the frame's section and the caption plate's.
  Skin.Section(Box).States = 2;
  Skin.Section(Box).Props[1].Color = 0x123456;
  Skin.Section(Box).Props[1].Transparency = 0;
  Skin.Section(Box).Props[1].FontColor.Color = 0x00FFFF;
  const int plate = Skin.M.GetSkinIndex(u"CHECKBOX");
  Skin.Section(plate).Props[1].Color = 0x654321;
  Skin.Section(plate).Props[1].Transparency = 0;
  G->PrepareCache();
  const TBitmap32 before = G->SkinData.CacheBmp()->Clone();
  SendMessageW(G->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 50));
  G->Perform(FW_MOUSE_ENTER);
  EXPECT_FALSE(G->SkinData.ControlIsActive());
  G->PrepareCache();
  EXPECT_EQ(Differing(before, *G->SkinData.CacheBmp()), 0);
  SetFocus(G->Handle());
  ASSERT_EQ(GetFocus(), G->Handle());
  G->PrepareCache();
  EXPECT_EQ(Differing(before, *G->SkinData.CacheBmp()), 0) << "focused, the caption plate keeps its normal look";
}

TEST_F(GroupBoxTest, WindowlessChildrenArePaintedOverTheBoxsPicture) {
  auto* label = Host.Add<TsLabel>(20, 40, 40, 16, G);
  label->SetAutoSize(false);
  label->SetCaption(L"HH");
  const TBitmap32 picture = PictureOf(*G);
  const TRect area{20, 40, 60, 56};
  // Transparent: the box's inside (the form) around its text; the text in the skin's global font
  // colour, as nothing on the way up lends one.
  EXPECT_GT(CountOf(picture, area, PixelOf(kFormColor)), 300);
  EXPECT_EQ(CountOf(picture, area, PixelOf(ColorToRGB(clBtnFace))), 0);
  EXPECT_GT(CountOf(picture, area, PixelOf(ColorToRGB(clWindowText))), 10) << "the text is there";
  EXPECT_EQ(Rgb(picture, 0, 50), PixelOf(kFrame)) << "the box itself";
}

TEST_F(GroupBoxTest, ACaptionSectionPlatesTheCaptionAndChildrenSeeTheBoxsOwnPicture) {
  const int plate = Skin.AddSection(u"CAPTIONPLATE", 0x00FFFF, 1);
  Skin.Section(plate).Props[0].FontColor.Color = 0x800080;
  G->SetCaptionSkin(u"captionplate");
  EXPECT_EQ(G->CaptionSkin(), u"CAPTIONPLATE");
  G->PrepareCache();
  const TBitmap32& c = *G->SkinData.CacheBmp();
  const TRect cr = G->CaptionRect();
  EXPECT_EQ(Rgb(c, cr.Left + 1, 1), PixelOf(0x00FFFF));
  EXPECT_GT(CountOf(c, cr, PixelOf(0x800080)), 10) << "written in the plate's colours";
  TBackgroundInfo info;
  info.R = TRect{5, 20, 25, 30};
  SendSkinCommand(G, skcPaintBackground, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.BgType, btCache);
  EXPECT_EQ(info.Bmp, G->SkinData.CacheBmp());
  EXPECT_EQ(info.Offset, (TPoint{0, 0}));
}

// The colour a background answer gives the requester's pixel (X, Y).
uint32_t AnsweredPixel(const TBackgroundInfo& info, const TControl& requester, int x, int y) {
  if (info.BgType == btFill) return PixelOf(info.Color);
  if (info.BgType != btCache || !info.Bmp) return 0xFFFFFFFFu;
  return Rgb(*info.Bmp, x + requester.Left() + info.Offset.X, y + requester.Top() + info.Offset.Y);
}

TEST_F(GroupBoxTest, AWindowedChildAskingForItsBackgroundGetsWhatTheBoxShowsBehindIt) {
  auto* inside = Host.Add<TWinControl>(30, 30, 40, 20, G);
  auto* onFrame = Host.Add<TWinControl>(0, 40, 10, 10, G);
  // Not painted yet: the question goes on to what lies behind the box.
  G->SkinData.BGChanged = true;
  TBackgroundInfo early;
  RequestParentBackground(*inside, early, false);
  EXPECT_EQ(AnsweredPixel(early, *inside, 0, 0), PixelOf(kFormColor));
  // Painted: its own picture, the form inside the frame and the frame where the child covers it.
  PictureOf(*G);
  TBackgroundInfo info;
  RequestParentBackground(*inside, info, false);
  EXPECT_EQ(info.BgType, btCache);
  EXPECT_EQ(info.Bmp, G->SkinData.CacheBmp());
  EXPECT_EQ(AnsweredPixel(info, *inside, 0, 0), PixelOf(kFormColor));
  EXPECT_EQ(AnsweredPixel(info, *inside, 39, 19), PixelOf(kFormColor));
  TBackgroundInfo frame;
  RequestParentBackground(*onFrame, frame, false);
  EXPECT_EQ(AnsweredPixel(frame, *onFrame, 0, 0), PixelOf(kFrame));
  EXPECT_EQ(AnsweredPixel(frame, *onFrame, 5, 5), PixelOf(kFormColor));
}

TEST_F(GroupBoxTest, WithoutASkinItPaintsAsThePlainGroupBox) {
  G->SkinData.SetSkinSection(u"NOSUCH");
  ASSERT_FALSE(G->SkinData.Skinned());
  const TBitmap32 picture = PictureOf(*G);
  EXPECT_EQ(CountOf(picture, TRect{0, 0, 200, 80}, PixelOf(kFrame)), 0);
  EXPECT_EQ(CountOf(picture, TRect{0, 0, 200, 80}, PixelOf(kCaptionFont)), 0);
}

}  // namespace
}  // namespace qw::test
