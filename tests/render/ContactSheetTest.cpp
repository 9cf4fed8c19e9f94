// The contact sheet of a skin made here, compared pixel for pixel with what its sections must look
// like: plain colours, half transparency over the checkered sheet and a ring border whose key corners
// show the sheet.
#include <gtest/gtest.h>

#include <string>

#include "skin/data/SkinPackage.h"
#include "image/PngWriter.h"
#include "tools/qxskin/QxPixelFont.h"
#include "tools/qxskin/QxRenderSheet.h"

namespace qw {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

constexpr uint32_t kRed = 0xFFFF0000u;

std::vector<uint8_t> TestSkinPackage() {
  // The master bitmap: a 4 x 4 ring with key-coloured corners.
  TBitmap32 master(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool corner = (x == 0 || x == 3) && (y == 0 || y == 3);
      master.At(x, y) = corner ? kKeyPixel : kRed;
    }
  const std::string options =
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.PNG\r\nVERSION=8.00\r\n\r\n"
      "[PLAIN]\r\nSTATES=1\r\nCOLOR=10053171\r\n\r\n"
      "[HALF]\r\nSTATES=2\r\nCOLOR=0\r\nTRANSPARENCY=50\r\nHOTCOLOR=16777215\r\nHOTTRANSPARENCY=50\r\n\r\n"
      "[RING]\r\nSTATES=1\r\nCOLOR=65280\r\nBORDERSMASK=^0000^0000^0004^0004^0001^0001^0001^0001^1^0^1^1\r\n";
  return WriteSkinPackage({{"Options.dat", Bytes(options)}, {"Master.png", EncodePng(master)}});
}

// Per channel (A*(d - s) + s*256) >> 8 with A = 128: half the parent, half the section colour.
uint32_t Half(uint32_t parent, uint32_t colour) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = (parent >> shift) & 0xFF, s = (colour >> shift) & 0xFF;
    out |= static_cast<uint32_t>((128 * (d - s) + s * 256) >> 8) << shift;
  }
  return out;
}

TEST(ContactSheet, EverySectionInEveryStateLooksAsItsValuesSay) {
  std::unique_ptr<TsSkinManager> m = LoadSkinForRender(TestSkinPackage());
  ASSERT_EQ(m->gd.size(), 4u);
  TQxPixelFont font;
  std::vector<TQxSheetItem> items;
  const TBitmap32 sheet = RenderContactSheet(*m, font, &items);
  // GLOBALINFO has the default three states; the others what they declare.
  ASSERT_EQ(items.size(), 3u + 1u + 2u + 1u);

  TBitmap32 expected(sheet.Width(), sheet.Height());
  std::vector<bool> inCell(sheet.PixelCount(), false);
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x) expected.At(x, y) = ((x / 8 + y / 8) & 1) ? 0xFFD4D4D4u : 0xFFF4F4F4u;
  for (const TQxSheetItem& item : items) {
    const std::u16string& name = m->gd[size_t(item.SkinIndex)].ClassName;
    const TRect c = item.Cell;
    for (int y = c.Top; y < c.Bottom; ++y)
      for (int x = c.Left; x < c.Right; ++x) {
        inCell[size_t(y) * size_t(sheet.Width()) + size_t(x)] = true;
        uint32_t& e = expected.At(x, y);
        const bool edgeX = x == c.Left || x == c.Right - 1, edgeY = y == c.Top || y == c.Bottom - 1;
        if (name == u"GLOBALINFO")
          e = 0xFFFFFFFFu;
        else if (name == u"PLAIN")
          e = 0xFF336699u;
        else if (name == u"HALF")
          e = Half(e, item.State == 0 ? 0xFF000000u : 0xFFFFFFFFu);
        else if (edgeX && edgeY)
          ;  // RING's key corners: the sheet shows through
        else if (edgeX || edgeY)
          e = kRed;
        else
          e = 0xFF00FF00u;
      }
  }
  int labelInk = 0;
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x) {
      const uint32_t got = sheet.At(x, y), want = expected.At(x, y);
      if (inCell[size_t(y) * size_t(sheet.Width()) + size_t(x)]) {
        ASSERT_EQ(got, want) << x << "," << y;
      } else if (got != want) {
        ASSERT_EQ(got, 0xFF000000u) << "only label ink may differ outside the items: " << x << "," << y;
        ++labelInk;
      }
    }
  EXPECT_GT(labelInk, 4 * 40);  // four names and seven state numbers were written
}

// A section's glyph (a scroll button's arrow) is drawn centred on its item, in the item's state.
TEST(ContactSheet, GlyphMasksAreCentredOnTheirItemsInTheSameState) {
  constexpr uint32_t kBlue = 0xFF0000FFu, kGreen = 0xFF00FF00u;
  TBitmap32 master(6, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) master.At(x, y) = x < 3 ? kBlue : kGreen;
  const std::string options =
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.PNG\r\nVERSION=8.00\r\n\r\n"
      "[ARROW]\r\nSTATES=2\r\nCOLOR=16777215\r\nHOTCOLOR=16777215\r\nGLYPHMASK=@0000@0000@0006@0003@2@0\r\n";
  std::unique_ptr<TsSkinManager> m =
      LoadSkinForRender(WriteSkinPackage({{"Options.dat", Bytes(options)}, {"Master.png", EncodePng(master)}}));
  TQxPixelFont font;
  std::vector<TQxSheetItem> items;
  const TBitmap32 sheet = RenderContactSheet(*m, font, &items);
  int arrows = 0;
  for (const TQxSheetItem& item : items) {
    if (m->gd[size_t(item.SkinIndex)].ClassName != u"ARROW") continue;
    ++arrows;
    const TRect c = item.Cell;
    const int x = c.Left + (c.Right - c.Left - 3) / 2, y = c.Top + (c.Bottom - c.Top - 3) / 2;
    const uint32_t glyph = item.State == 0 ? kBlue : kGreen;
    for (int dy = 0; dy < 3; ++dy)
      for (int dx = 0; dx < 3; ++dx) EXPECT_EQ(sheet.At(x + dx, y + dy), glyph) << item.State;
    EXPECT_EQ(sheet.At(x - 1, y), 0xFFFFFFFFu);
    EXPECT_EQ(sheet.At(x + 3, y + 2), 0xFFFFFFFFu);
    EXPECT_EQ(sheet.At(c.Left, c.Top), 0xFFFFFFFFu);
  }
  EXPECT_EQ(arrows, 2);
}

}  // namespace
}  // namespace qw
