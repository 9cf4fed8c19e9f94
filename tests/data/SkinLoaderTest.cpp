#include "skin/data/SkinLoader.h"

#include <gtest/gtest.h>

#include "skin/data/SkinError.h"
#include "skin/data/SkinPackage.h"
#include "tests/data/SkinTestUtil.h"

namespace qw {
namespace {

using test::Bytes;

struct TBuilt {
  TqxSkinConvertor Reader;
  TSkinTables T;
  std::vector<std::string> Warnings;
};

test::TFakeSystem GSys;

// Builds the tables of a package made of Members, the way the manager does.
std::unique_ptr<TBuilt> Build(std::vector<TPackageMember> members) {
  auto b = std::make_unique<TBuilt>();
  std::vector<uint8_t> pkg = WriteSkinPackage(std::move(members));
  b->Reader.BorrowPackedData(pkg);
  UnpackSkinPackage(b->Reader);
  TPackageImageSource images(b->Reader);
  TSkinBuildContext ctx;
  ctx.System = &GSys;
  ctx.Warn = [&](const std::string& w) { b->Warnings.push_back(w); };
  b->T = BuildSkinTables(TSkinDescription::Parse(b->Reader.Options), images, ctx);
  return b;
}

std::unique_ptr<TBuilt> BuildText(const std::string& options, std::vector<TPackageMember> images = {}) {
  images.push_back({"Options.dat", Bytes(options)});
  return Build(std::move(images));
}

const TsMaskData& Mask(const TSkinTables& t, std::u16string_view s, std::u16string_view k) {
  int i = t.GetMaskIndex(s, k);
  EXPECT_GE(i, 0) << "no mask";
  static TsMaskData none;
  return i >= 0 ? t.ma[static_cast<size_t>(i)] : none;
}

TEST(SkinLoader, ImageValueRules) {
  auto b = Build(test::SampleMembers());
  const TSkinTables& t = b->T;
  EXPECT_EQ(t.MasterBitmap.Width(), 60);
  EXPECT_EQ(t.MasterBitmap.At(0, 0), 0x00FF00FFu);    // the key pixel keeps alpha 0
  EXPECT_EQ(t.MasterBitmap.At(1, 0), 0xFF336699u);    // a 24-bit master gets alpha 255

  const TsMaskData& box = Mask(t, u"GLOBALINFO", u"BOXCHECKED");
  EXPECT_EQ(box.R, Rect(26, 11, 39, 24));
  EXPECT_EQ(box.ImageCount, 1);
  EXPECT_EQ(box.MaskType, 0);
  EXPECT_EQ(box.ImgType, itisaGlyph);
  EXPECT_EQ(box.Bmp, nullptr);

  const TsMaskData& edit = Mask(t, u"EDIT", u"BORDERSMASK");
  EXPECT_EQ(edit.R, Rect(51, 4, 57, 7));
  EXPECT_EQ(edit.WL + edit.WT + edit.WR + edit.WB, 4);
  EXPECT_EQ(edit.ImageCount, 2);
  EXPECT_EQ(edit.DrawMode, 1);
  EXPECT_EQ(edit.BorderWidth, 1);
  EXPECT_EQ(edit.CornerType, 0);

  const TsMaskData& button = Mask(t, u"BUTTON", u"BORDERSMASK");
  EXPECT_EQ(button.CornerType, 1);  // magenta in the top-left corner

  const TsMaskData& glow = Mask(t, u"GLOBALINFO", u"BICONCLOSEGLOW0");
  EXPECT_EQ(glow.ImgType, itisaPngGlyph);
  ASSERT_NE(glow.Bmp, nullptr);
  EXPECT_EQ(glow.R, Rect(0, 0, 4, 2));
  EXPECT_EQ(glow.DrawMode, 0);
  EXPECT_EQ(glow.Bmp->At(0, 0), 0x807F0000u);  // premultiplied above version 7.45

  // The plain ".BMP" rule: names upper-cased, three images over two rows.
  const TsMaskData& huge = Mask(t, u"BUTTON_HUGE", u"BORDERSMASK");
  EXPECT_EQ(huge.ImageCount, 3);
  EXPECT_EQ(huge.MaskType, 1);
  EXPECT_EQ(huge.R, Rect(0, 0, 18, 12));
  EXPECT_EQ(huge.WL, 2);
  EXPECT_EQ(huge.WT, 2);
  EXPECT_EQ(huge.CornerType, 2);
  EXPECT_EQ(huge.Bmp->At(0, 0), 0xFF808080u);
}

TEST(SkinLoader, MoreImageRules) {
  auto b = BuildText(
      "[GLOBALINFO]\nVERSION=7.30\n"
      "[S]\n"
      "ZERO=^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0\n"
      "BW=^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^2\n"
      "OLD=^0000^0000^0009^0006^0001^0001^0001^0001^3^1^0^0\n"
      "TEX=~0136~0000~0137~0120~02~0\n"
      "TEXSHORT=~0136~0000~0137~0120~10\n"
      "HASH=x#(1,2,31,42)(3,1,2,4)\n"
      "HASHMIN=x#(1,2,31,42)(0,-2)\n"
      "JUSTHASH=#\n"
      "GLYPH=!small.png!1\n"
      "PNGOLD=!WHITE.PNG!2!0\n"
      "MISSING=!NONE.PNG!1\n"
      "MASTERBITMAP=SEP.BMP\n"
      "PATTERN=N/A\n",
      {{"White.png", test::MakePng(6, 3, 0x00FFFFFFu)}, {"sep.bmp", test::MakeBmp24(9, 6, 0)}});
  const TSkinTables& t = b->T;
  const TsMaskData& zero = Mask(t, u"S", u"ZERO");
  EXPECT_EQ(zero.WL, 90 / 9);
  EXPECT_EQ(zero.WT, 60 / 6);
  EXPECT_EQ(zero.WR, zero.WL);
  EXPECT_EQ(zero.WB, zero.WT);
  EXPECT_EQ(Mask(t, u"S", u"BW").WL, 2);
  // Old descriptions mark a border whose middle is one pixel: 9/3 - 2 = 1 and 6/2 - 2 = 1.
  EXPECT_EQ(Mask(t, u"S", u"OLD").DrawMode & 1, 1);
  const TsMaskData& tex = Mask(t, u"S", u"TEX");
  EXPECT_EQ(tex.ImgType, itisaTexture);
  EXPECT_EQ(tex.DrawMode, 2);
  EXPECT_EQ(tex.ImageCount, 1);
  EXPECT_EQ(Mask(t, u"S", u"TEXSHORT").MaskType, 0);
  const TsMaskData& hash = Mask(t, u"S", u"HASH");
  EXPECT_EQ(hash.R, Rect(1, 2, 31, 42));
  EXPECT_EQ(hash.ImageCount, 3);
  EXPECT_EQ(hash.MaskType, 1);
  EXPECT_EQ(hash.BorderWidth, 2);
  EXPECT_EQ(hash.DrawMode, 4);
  EXPECT_EQ(hash.WL, 2);
  const TsMaskData& hmin = Mask(t, u"S", u"HASHMIN");
  EXPECT_EQ(hmin.ImageCount, 1);
  EXPECT_EQ(hmin.MaskType, 0);
  EXPECT_EQ(hmin.BorderWidth, 0);
  EXPECT_EQ(hmin.DrawMode, 1);
  EXPECT_EQ(t.GetMaskIndex(u"S", u"JUSTHASH"), -1);
  EXPECT_EQ(t.GetMaskIndex(u"S", u"GLYPH"), -1);    // lower-case name: skipped
  EXPECT_EQ(t.GetMaskIndex(u"S", u"MISSING"), -1);  // missing image: no mask, no error
  const TsMaskData& old = Mask(t, u"S", u"PNGOLD");
  EXPECT_EQ(old.Bmp->At(0, 0), 0u);  // transparent white cleared up to 7.45
  EXPECT_EQ(old.WL, 6 / 6);          // fewer than five words: a third of a state image
  EXPECT_EQ(old.DrawMode, 1);
  // MASTERBITMAP outside [GLOBALINFO] is an ordinary key.
  EXPECT_EQ(Mask(t, u"S", u"MASTERBITMAP").ImageCount, 3);
  EXPECT_EQ(t.GetTextureIndex(t.GetSkinIndex(u"S"), u"S", u"PATTERN"), -1);
  EXPECT_FALSE(b->Warnings.empty());

  EXPECT_THROW(BuildText("[S]\nV=@0026@00x1@0039@0024@1@0\n"), ESkinError);
  EXPECT_THROW(BuildText("[S]\nV=@0026\n"), ESkinError);
  EXPECT_THROW(BuildText("[S]\nV=x#(1,2,3,4)(1,0,q,1)\n"), ESkinError);
  EXPECT_THROW(BuildText("[GLOBALINFO]\nSHADOW1BLUR=soft\n"), ESkinError);
  EXPECT_THROW(BuildText("[S]\nGRADIENTDATA=1;2;3;x;5\n"), ESkinError);
}

TEST(SkinLoader, GeneralData) {
  auto b = BuildText(
      "[GLOBALINFO]\nVERSION=8.00\nTITLEHEIGHT=0\nSHADOW1BLUR=3\nAUTHOR=Me\n"
      "[BUTTON]\nCOLOR=255\nSTATES=4\nHOTCOLOR=65280\nHOTFONTCOLOR=12\nFADINGENABLED=1\n"
      "GRADIENTDATA=0;16777215;100;0;0\nGRADIENTPERCENT=50\nHOTGRADIENTDATA=x\nHOTGRADIENTPERCENT=40\n"
      "PATTERN=~0000~0000~0002~0002~00~0\n"
      "[CHILD]\nPARENTCLASS=BUTTON\nGRADIENTDATA=a\nGRADIENTPERCENT=30\n"
      "[ONE]\nSTATES=1\nCOLOR=-16777201\nHOTCOLOR=5\nGCOL=-16777201\n"
      "[C1]\nPARENTCLASS=C2\n[C2]\nPARENTCLASS=C1\n");
  const TSkinTables& t = b->T;
  EXPECT_EQ(t.SkinData.ExTitleHeight, 30);
  EXPECT_EQ(t.SkinData.ExMaxHeight, 30);
  EXPECT_EQ(t.SkinData.Shadow1Blur, 3);
  EXPECT_EQ(t.SkinData.ExContentOffs, 4);
  EXPECT_EQ(t.SkinData.Author, u"Me");
  EXPECT_DOUBLE_EQ(t.SkinData.Version, 8.0);
  ASSERT_EQ(t.gd.size(), 6u);
  const TsGeneralData& button = t.gd[static_cast<size_t>(t.GetSkinIndex(u"BUTTON"))];
  EXPECT_EQ(button.Props[0].Color, 255);
  EXPECT_EQ(button.Props[1].Color, 65280);
  EXPECT_EQ(button.Props[1].FontColor.Color, 12);
  EXPECT_TRUE(button.FadingEnabled);
  EXPECT_EQ(button.GradientPercent(), 50);
  ASSERT_EQ(button.GradientArray().size(), 1u);
  EXPECT_EQ(button.HotGradientPercent(), 0);  // one character forces the percentage to 0
  EXPECT_GE(button.TextureNormal(), 0);
  EXPECT_EQ(button.Props[0].TextureIndex, button.TextureNormal());
  const TsGeneralData& child = t.gd[static_cast<size_t>(t.GetSkinIndex(u"CHILD"))];
  EXPECT_EQ(child.Color(), 255);
  EXPECT_EQ(child.States, 4);
  EXPECT_EQ(child.GradientPercent(), 0);
  EXPECT_EQ(child.TextureNormal(), button.TextureNormal());  // through the parent
  const TsGeneralData& one = t.gd[static_cast<size_t>(t.GetSkinIndex(u"ONE"))];
  EXPECT_EQ(one.Color(), static_cast<int32_t>(GSys.SysColor(15)));
  EXPECT_EQ(one.GlowColor(), static_cast<int32_t>(GSys.SysColor(15)));
  EXPECT_EQ(one.HotColor(), one.Color());  // STATES=1: HOTCOLOR is not read, the hot look is the normal one
  EXPECT_EQ(one.Props[1], one.Props[0]);
  EXPECT_EQ(one.GradientPercent(), 0);
  // Lookups through a PARENTCLASS cycle end.
  EXPECT_EQ(t.GetMaskIndex(t.GetSkinIndex(u"C1"), u"C1", u"BORDERSMASK"), -1);
  EXPECT_EQ(t.GetSkinIndex(u""), -1);
  EXPECT_EQ(t.GetMaskIndex(-1, u"BUTTON", u"PATTERN"), -1);
  EXPECT_EQ(t.ConstData.IndexGLobalInfo, 0);
  EXPECT_EQ(t.ConstData.CheckBoxChecked, -1);
  EXPECT_EQ(t.ConstData.ComboBtnIndex, -1);
}

TEST(SkinLoader, JpegSizeDecidesPatternOrTexture) {
  auto b = BuildText("[FORM]\nPATTERN=big.jpg\nHOTPATTERN=SMALL.JPG\n",
                     {{"BIG.JPG", test::MakeJpeg(1000, 900)}, {"SMALL.JPG", test::MakeJpeg(1000, 899)}});
  const TSkinTables& t = b->T;
  ASSERT_EQ(t.pa.size(), 1u);
  EXPECT_EQ(t.pa[0].ClassName, u"FORM");
  EXPECT_EQ(t.pa[0].PropertyName, u"PATTERN");
  EXPECT_EQ(t.GetPatternIndex(t.GetSkinIndex(u"FORM"), u"FORM", u"PATTERN"), 0);
  const TsMaskData& small = Mask(t, u"FORM", u"HOTPATTERN");
  EXPECT_EQ(small.ImgType, itisaTexture);
  EXPECT_EQ(small.R, Rect(0, 0, 1000, 899));
  EXPECT_EQ(small.Bmp->At(5, 5) >> 24, 0xFFu);
}

TEST(SkinLoader, MaskWidths) {
  auto b = BuildText("[S]\nA=^0000^0000^0030^0010^0000^0000^0000^0000^3^0^0^0\n"
                     "G=@0000@0000@0030@0010@0@1\n");
  const TSkinTables& t = b->T;
  int a = t.GetMaskIndex(u"S", u"A"), g = t.GetMaskIndex(u"S", u"G");
  EXPECT_EQ(t.MaskWidthLeft(a), 30 / 9);
  EXPECT_EQ(t.MaskWidthLeft(g), 30);  // an image count of 0 counts as 1
  EXPECT_EQ(t.MaskWidthTop(g), 5);
  EXPECT_EQ(t.MaskWidthBottom(999), 0);
}

}  // namespace
}  // namespace qw
