#include "base/SpinValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace qw {
namespace {

const TSpinLimits kLength{4, 30, true};

TEST(SpinValue, ClampKeepsTheLimitsAndTreatsZeroAsNone) {
  EXPECT_EQ(ClampSpinValue(kLength, 99), 30);
  EXPECT_EQ(ClampSpinValue(kLength, 1), 4);
  EXPECT_EQ(ClampSpinValue(kLength, 17), 17);
  // No limits at all: every 32-bit value is kept.
  EXPECT_EQ(ClampSpinValue({0, 0, true}, INT32_MIN), INT32_MIN);
  EXPECT_EQ(ClampSpinValue({0, 0, true}, INT32_MAX), INT32_MAX);
  // MaxValue 0: no upper limit, the lower one still holds.
  EXPECT_EQ(ClampSpinValue({5, 0, true}, 1000000), 1000000);
  EXPECT_EQ(ClampSpinValue({5, 0, true}, 2), 5);
}

TEST(SpinValue, NegativeValuesWithoutAllowNegative) {
  // The limit tests look at the value as given; without limits the adjusted one is the answer.
  EXPECT_EQ(ClampSpinValue({0, 0, false}, -5), 0);
  EXPECT_EQ(ClampSpinValue({-10, 10, false}, -5), 0);
  EXPECT_EQ(ClampSpinValue({-10, 10, false}, -50), -10);
  EXPECT_EQ(WrittenSpinValue({-10, 10, false}, -50), 0);
  EXPECT_EQ(WrittenSpinValue({3, 10, false}, -1), 3);
}

TEST(SpinValue, StepsBeyondThirtyTwoBitsAreClampedNotWrapped) {
  const TSpinLimits none{0, 0, true};
  EXPECT_EQ(WrittenSpinValue(none, int64_t{INT32_MAX} + 1), INT32_MAX);
  EXPECT_EQ(WrittenSpinValue(none, int64_t{INT32_MIN} - INT32_MAX), INT32_MIN);
  EXPECT_EQ(WrittenSpinValue(none, int64_t{INT32_MAX} + WheelStepChange(120 * 5, INT32_MAX)), INT32_MAX);
  EXPECT_EQ(WrittenSpinValue(kLength, int64_t{30} + WheelStepChange(120, INT32_MAX)), 30);
}

TEST(SpinValue, TextReadsAsValue) {
  EXPECT_EQ(SpinTextValue(u"", 4), 0);
  EXPECT_EQ(SpinTextValue(u"8", 4), 8);
  EXPECT_EQ(SpinTextValue(u"007", 4), 7);
  EXPECT_EQ(SpinTextValue(u"-12", 4), -12);
  EXPECT_EQ(SpinTextValue(u"abc", 4), 4);
  EXPECT_EQ(SpinTextValue(u"-", 4), 4);
  // Eleven digits do not fit 32 bits.
  EXPECT_EQ(SpinTextValue(u"12345678901", 4), 4);
  EXPECT_EQ(SpinTextValue(u"2147483647", 4), INT32_MAX);
}

TEST(SpinValue, WheelTurnsCountWholeNotchesOnly) {
  EXPECT_EQ(WheelStepChange(120, 1), 1);
  EXPECT_EQ(WheelStepChange(-240, 3), -6);
  EXPECT_EQ(WheelStepChange(119, 1), 0);
  EXPECT_EQ(WheelStepChange(-119, 1), 0);
  EXPECT_EQ(WheelStepChange(250, 2), 4);  // 2 notches; the rest is dropped
  EXPECT_EQ(WheelStepChange(-250, 2), -4);
}

TEST(SpinValue, TypedCharacters) {
  TSpinTyping t{u"8", 1, 1, kLength, true};
  EXPECT_EQ(SpinCharVerdict(u'5', t), TSpinCharVerdict::Insert);
  EXPECT_EQ(SpinCharVerdict(u'x', t), TSpinCharVerdict::Refuse);
  EXPECT_EQ(SpinCharVerdict(u'\u0663', t), TSpinCharVerdict::Refuse);  // a digit of another script
  EXPECT_EQ(SpinCharVerdict(u'\uFF15', t), TSpinCharVerdict::Refuse);  // a full-width digit
  EXPECT_EQ(SpinCharVerdict(8, t), TSpinCharVerdict::Insert);
  EXPECT_EQ(SpinCharVerdict(27, t), TSpinCharVerdict::Insert);
  EXPECT_EQ(SpinCharVerdict(9, t), TSpinCharVerdict::Swallow);
  EXPECT_EQ(SpinCharVerdict(13, t), TSpinCharVerdict::Swallow);
  // Ctrl+Enter (a line feed) and other control characters would put unprintable text into the field.
  EXPECT_EQ(SpinCharVerdict(10, t), TSpinCharVerdict::Refuse);
  EXPECT_EQ(SpinCharVerdict(0x1F, t), TSpinCharVerdict::Refuse);
  EXPECT_EQ(SpinCharVerdict(0x7F, t), TSpinCharVerdict::Refuse);
  // The clipboard keys reach the edit (paste and cut then follow their own rules).
  EXPECT_EQ(SpinCharVerdict(22, t), TSpinCharVerdict::Insert);
  EXPECT_EQ(SpinCharVerdict(3, t), TSpinCharVerdict::Insert);
  t.EditorEnabled = false;
  EXPECT_EQ(SpinCharVerdict(u'5', t), TSpinCharVerdict::Refuse);
  EXPECT_EQ(SpinCharVerdict(8, t), TSpinCharVerdict::Insert);
}

TEST(SpinValue, MinusOnlyAtTheFrontAndWhereNegativesMayBeTyped) {
  // The length field (MinValue 4) never takes a minus.
  EXPECT_EQ(SpinCharVerdict(u'-', {u"8", 0, 0, kLength, true}), TSpinCharVerdict::Refuse);
  const TSpinLimits signedRange{-10, 10, true};
  EXPECT_EQ(SpinCharVerdict(u'-', {u"8", 0, 0, signedRange, true}), TSpinCharVerdict::Insert);
  EXPECT_EQ(SpinCharVerdict(u'-', {u"8", 1, 1, signedRange, true}), TSpinCharVerdict::Refuse);
  // A second minus only replacing (nearly) the whole text.
  EXPECT_EQ(SpinCharVerdict(u'-', {u"-8", 0, 0, signedRange, true}), TSpinCharVerdict::Refuse);
  EXPECT_EQ(SpinCharVerdict(u'-', {u"-8", 0, 1, signedRange, true}), TSpinCharVerdict::Insert);
  EXPECT_EQ(SpinCharVerdict(u'-', {u"", 0, 0, {0, 0, false}, true}), TSpinCharVerdict::Refuse);
}

TEST(SpinValue, TextOnExit) {
  EXPECT_EQ(SpinTextOnExit(u"99", kLength), u"30");
  EXPECT_EQ(SpinTextOnExit(u"1", kLength), u"4");
  EXPECT_EQ(SpinTextOnExit(u"", kLength), u"4");
  EXPECT_EQ(SpinTextOnExit(u"007", kLength), u"007");
  EXPECT_EQ(SpinTextOnExit(u"12345678901", kLength), u"12345678901");
  EXPECT_EQ(SpinTextOnExit(u"-", kLength), u"4");
  EXPECT_EQ(SpinTextOnExit(u"-", {-5, 5, true}), u"0");
  EXPECT_EQ(SpinTextOnExit(u"-0", {0, 0, true}), u"0");
  EXPECT_EQ(SpinTextOnExit(u"-7", {0, 0, true}), u"-7");
}

}  // namespace
}  // namespace qw
