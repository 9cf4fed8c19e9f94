// The skinned edit's frame band, text rectangle and password text.
#include <gtest/gtest.h>

#include "skin/controls/EditLayout.h"

namespace qw {
namespace {

TEST(EditLayout, FrameWidths) {
  EXPECT_EQ(EditFrameWidth(TEditFrame{}), 2);
  EXPECT_EQ(EditFrameWidth(TEditFrame{true, false}), 1);
  EXPECT_EQ(EditFrameWidth(TEditFrame{false, true, true, true, true}), 2);
  EXPECT_EQ(EditFrameWidth(TEditFrame{false, true, false, false, true}), 1);
  EXPECT_EQ(EditFrameWidth(TEditFrame{false, true, false, false, false}), 0);
}

TEST(EditLayout, TextRectangles) {
  EXPECT_EQ(EditTextRect(121, 21, TEditFrame{}), (TRect{3, 3, 118, 19})) << "a bordered 3D edit 21 high";
  EXPECT_EQ(EditTextRect(100, 20, TEditFrame{true, false}), (TRect{2, 2, 98, 19}));
  EXPECT_EQ(EditTextRect(100, 20, TEditFrame{true, true, true, true, true}), (TRect{5, 5, 95, 16}));
  EXPECT_EQ(EditTextRect(100, 20, TEditFrame{false}), (TRect{0, 0, 100, 20})) << "no border: no inset";
}

TEST(EditLayout, PasswordText) {
  EXPECT_EQ(EditDisplayText(u"abc", 0), u"abc");
  EXPECT_EQ(EditDisplayText(u"abc", u'*'), u"\u25CF\u25CF\u25CF");
  EXPECT_EQ(EditDisplayText(u"ab", u'#'), u"##");
  EXPECT_EQ(EditDisplayText(u"a\U0001F600b", u'*'), u"\u25CF\u25CF\u25CF") << "a pair is one character";
  EXPECT_EQ(EditDisplayText(u"", u'*'), u"");
}

}  // namespace
}  // namespace qw
