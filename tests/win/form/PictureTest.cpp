// The framework's pictures: the program's own glyphs keep the alpha their files hold, every picture
// draws with its alpha over what is below, and a picture that cannot load is a load error that names
// the line of the description.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "fw/ClassRegistry.h"
#include "fw/Form.h"
#include "fw/FormReader.h"
#include "fw/Picture.h"
#include "image/ImageError.h"

namespace qw {
namespace {

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

std::vector<uint8_t> ResourceBytes(const wchar_t* name) {
  HRSRC info = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) return {};
  const auto* p = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, info)));
  return std::vector<uint8_t>(p, p + SizeofResource(nullptr, info));
}

// The pixel words of a bottom-up 32-bit bitmap file exactly as stored, top row first.
std::vector<uint32_t> StoredWords(const std::vector<uint8_t>& file, int& width, int& height) {
  width = static_cast<int>(Le32(&file[18]));
  height = static_cast<int>(Le32(&file[22]));
  const uint8_t* pixels = file.data() + Le32(&file[10]);
  std::vector<uint32_t> words;
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) words.push_back(Le32(pixels + (static_cast<size_t>(y) * width + x) * 4));
  return words;
}

// A 32-bit top-down DIB filled with one colour, to draw pictures on.
struct TCanvasDib {
  TCanvasDib(int w, int h, uint32_t fill) : Width(w) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Dc = CreateCompatibleDC(nullptr);
    Bitmap = CreateDIBSection(Dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits), nullptr, 0);
    Old = SelectObject(Dc, Bitmap);
    for (int i = 0; i < w * h; ++i) Bits[i] = fill;
  }
  ~TCanvasDib() {
    SelectObject(Dc, Old);
    DeleteObject(Bitmap);
    DeleteDC(Dc);
  }
  uint32_t At(int x, int y) const {
    GdiFlush();
    return Bits[y * Width + x] & 0x00FFFFFFu;
  }
  int Width;
  HDC Dc;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  uint32_t* Bits = nullptr;
};

// One channel of a straight-alpha pixel over a white background.
int OverWhite(uint32_t pixel, int shift) {
  const int a = static_cast<int>(pixel >> 24), c = static_cast<int>((pixel >> shift) & 0xFF);
  return (c * a + 255 * (255 - a)) / 255;
}

TEST(Picture, TheProgramsGlyphsKeepTheAlphaTheirFilesHoldAndDrawWithIt) {
  for (const wchar_t* name : {L"LINK", L"ABOUT", L"GLYPH_GENERATE", L"GLYPH_COPY", L"GLYPH_FOLDER", L"CHECK_ON",
                              L"CHECK_OFF", L"MENU_GENERATE", L"MENU_COPY"}) {
    SCOPED_TRACE(std::string(name, name + wcslen(name)));
    const std::vector<uint8_t> file = ResourceBytes(name);
    ASSERT_GT(file.size(), 54u);
    ASSERT_EQ(file[28], 32);  // the glyphs are 32-bit files with alpha in the fourth byte
    int w = 0, h = 0;
    const std::vector<uint32_t> stored = StoredWords(file, w, h);
    TPicture picture;
    picture.LoadFromResource(name);
    ASSERT_EQ(picture.Width(), w);
    ASSERT_EQ(picture.Height(), h);
    ASSERT_EQ(std::vector<uint32_t>(picture.Bitmap().Pixels(), picture.Bitmap().Pixels() + w * h), stored);

    TCanvasDib canvas(w, h, 0x00FFFFFF);
    picture.Draw(canvas.Dc, 0, 0);
    int bad = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const uint32_t want = stored[static_cast<size_t>(y) * w + x], got = canvas.At(x, y);
        for (int shift : {0, 8, 16})
          if (std::abs(static_cast<int>((got >> shift) & 0xFF) - OverWhite(want, shift)) > 1 && ++bad < 4)
            ADD_FAILURE() << x << "," << y << ": " << std::hex << want << " drawn as " << got;
      }
    EXPECT_EQ(bad, 0);
  }
}

TEST(Picture, ABitmapWithoutAlphaIsDrawnOpaque) {
  // 2 x 1, 24 bits: red and the key magenta; both are drawn as they are, hiding the black below.
  const uint8_t rgb24[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                           1, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                           0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0, 0};
  TPicture picture;
  picture.LoadFromMemory(rgb24, sizeof rgb24);
  EXPECT_EQ(picture.Bitmap().At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(picture.Bitmap().At(1, 0), 0xFFFF00FFu);
  TCanvasDib canvas(2, 1, 0);
  picture.Draw(canvas.Dc, 0, 0);
  EXPECT_EQ(canvas.At(0, 0), 0x00FF0000u);
  EXPECT_EQ(canvas.At(1, 0), 0x00FF00FFu);
}

TEST(Picture, WhatCannotLoadRaisesAnImageError) {
  TPicture picture;
  const uint8_t text[] = {'G', 'I', 'F', '8', '9', 'a'};
  EXPECT_THROW(picture.LoadFromMemory(text, sizeof text), EImageError);
  EXPECT_THROW(picture.LoadFromResource(L"NO_SUCH_PICTURE"), EImageError);
  EXPECT_TRUE(picture.Empty());
}

class TPictureForm : public TForm {
 public:
  const char* ClassName() const override { return "TPictureForm"; }
};

std::string PictureLoadError(const std::string& text) {
  static const bool registered = [] {
    ClassRegistry().Register("TPictureForm", "TForm", nullptr);
    return true;
  }();
  (void)registered;
  TPictureForm form;
  TFormReader reader(form, ClassRegistry());
  try {
    reader.ReadForm(text);
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(Picture, APictureThatDoesNotLoadIsADescriptionErrorOnItsLine) {
  EXPECT_EQ(PictureLoadError("object F: TPictureForm\n  object I: TImage\n    Picture = resource('LINK')\n  end\nend\n"),
            "loaded");
  // A stored skin package is data, not a picture.
  EXPECT_EQ(PictureLoadError("object F: TPictureForm\n  object I: TImage\n    Picture = resource('SKIN_METROUI')\n"
                      "  end\nend\n"),
            "Form description, line 3: picture SKIN_METROUI: Cannot load image. Unknown picture file format.");
  EXPECT_EQ(PictureLoadError("object F: TPictureForm\n  object B: TBitBtn\n\n    Glyph = resource('NOPE')\n  end\nend\n"),
            "Form description, line 4: picture NOPE: Cannot load image. The program has no picture resource of this "
            "name.");
}

}  // namespace
}  // namespace qw
