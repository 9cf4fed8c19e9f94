// Wrapped standard buttons and statics: caption and image placement, the widest caption, the image a
// state shows, and what a BUTTON or STATIC window is by the type field of its style.
#include <gtest/gtest.h>

#include "skin/controls/StdChildStyles.h"
#include "skin/controls/WrappedButtonLayout.h"

namespace qw {
namespace {

TEST(WrappedButtonLayout, CaptionRectOfA75By23Button) {
  struct Case {
    TItemSize Text;
    bool Down;
    TRect Expected;
  } cases[] = {
      {{20, 13}, false, {26, 5, 50, 18}},
      {{20, 13}, true, {27, 6, 51, 19}},
      {{21, 13}, false, {26, 5, 50, 18}},  // odd room: the spare pixel stays on the right
      {{0, 0}, false, {36, 11, 40, 12}},
      {{90, 13}, false, {-8, 5, 84, 18}},  // wider than the button: centred all the same
  };
  for (const Case& c : cases)
    EXPECT_EQ(WrappedCaptionRect(75, 23, c.Text, c.Down), c.Expected) << c.Text.Width << " down " << c.Down;
}

TEST(WrappedButtonLayout, MaxCaptionWidth) {
  struct Case {
    bool HasCaption;
    int Width, GlyphWidth, Expected;
  } cases[] = {{false, 75, 0, 0}, {false, 75, 16, 0}, {true, 75, 0, 76}, {true, 75, 16, 59}, {true, 10, 16, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(WrappedMaxCaptionWidth(c.HasCaption, c.Width, c.GlyphWidth), c.Expected) << c.Width << "/" << c.GlyphWidth;
}

TEST(WrappedButtonLayout, ImageIndexFallsBackToTheNormalImage) {
  const TButtonImageIndexes all{0, 1, 2, 3, 4};
  const TButtonImageIndexes hotBeyond{0, 7, -1, -1, -1};
  struct Case {
    TButtonImageIndexes Indexes;
    int Count;
    TButtonImageState State;
    int Expected;
  } cases[] = {
      {all, 5, {true, false, false, false}, 0},
      {all, 5, {true, false, false, true}, 1},
      {all, 5, {true, true, true, true}, 2},    // pressed before focused before hot
      {all, 5, {true, false, true, true}, 3},
      {all, 5, {false, true, true, true}, 4},   // disabled before everything
      {hotBeyond, 5, {true, false, false, true}, 0},
      {hotBeyond, 5, {false, false, false, false}, 0},
      {all, 0, {true, false, false, false}, -1},  // an empty list: no image at all
      {{-1, 1, 2, 3, 4}, 5, {true, false, false, true}, -1},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(ButtonImageIndex(c.Indexes, c.Count, c.State), c.Expected) << "case " << i;
  }
}

TEST(WrappedButtonLayout, ImageAndCaptionByImageAlignment) {
  const TImageMargins m{2, 4, 6, 8};
  const TItemSize image{16, 16}, text{30, 13};
  struct Case {
    TImageAlignment Alignment;
    TItemSize Image;
    bool Pressed;
    TButtonImageLayout Expected;
  } cases[] = {
      {iaLeft, image, false, {{5, 7, 21, 23}, {32, 8, 65, 21}}},
      {iaRight, image, false, {{50, 7, 66, 23}, {9, 8, 42, 21}}},
      {iaTop, {16, 8}, false, {{29, 7, 45, 15}, {21, 16, 54, 29}}},
      {iaBottom, {16, 8}, false, {{29, 11, 45, 19}, {21, -1, 54, 12}}},
      {iaCenter, image, false, {{29, 7, 45, 23}, {21, 8, 54, 21}}},
      {iaLeft, image, true, {{6, 8, 22, 24}, {33, 9, 66, 22}}},
      {iaLeft, {0, 0}, false, {{}, {21, 8, 54, 21}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LayoutButtonImage(75, 30, c.Image, text, c.Alignment, m, c.Pressed), c.Expected)
        << "alignment " << int(c.Alignment) << " pressed " << c.Pressed;
}

TEST(StdChildStyles, EveryButtonAndStaticTypeByItsTypeField) {
  // Index: the type number. High style bits (visible, tab stop, multi-line) never change the answer.
  const TStdButtonKind buttons[16] = {sbkPush,     sbkPush,     sbkCheckBox, sbkCheckBox, sbkCheckBox, sbkCheckBox,
                                      sbkCheckBox, sbkGroupBox, sbkNone,     sbkCheckBox, sbkPush,     sbkNone,
                                      sbkPush,     sbkPush,     sbkPush,     sbkPush};
  const TStdStaticKind statics[32] = {sskText, sskText,    sskText,    sskPicture, sskText, sskNone, sskNone, sskText,
                                      sskText, sskText,    sskNone,    sskText,    sskText, sskNone, sskPicture, sskNone,
                                      sskText, sskText,    sskText,    sskNone,    sskNone, sskNone, sskNone,    sskNone,
                                      sskNone, sskNone,    sskNone,    sskNone,    sskNone, sskNone, sskNone,    sskNone};
  const uint32_t high = 0x50012000;  // WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE
  for (uint32_t type = 0; type < 16; ++type) {
    EXPECT_EQ(StdButtonKind(type), buttons[type]) << "button type " << type;
    EXPECT_EQ(StdButtonKind(high | type), buttons[type]) << "button type " << type << " with high bits";
    EXPECT_EQ(IsDefaultButtonStyle(high | type), type == 1 || type == 0xD || type == 0xF) << "button type " << type;
  }
  for (uint32_t type = 0; type < 32; ++type) {
    EXPECT_EQ(StdStaticKind(type), statics[type]) << "static type " << type;
    EXPECT_EQ(StdStaticKind(high | 0x80 | type), statics[type]) << "static type " << type << " with high bits";
  }
}

}  // namespace
}  // namespace qw
