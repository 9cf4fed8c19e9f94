// The generator window's portable rules: the history file's bytes, the status line's file name, the
// credits' marquee step and the shadow pictures' transparent white.
#include <gtest/gtest.h>

#include "app/HistoryFile.h"
#include "app/Marquee.h"
#include "skin/data/SkinImages.h"

namespace qw {
namespace {

// A code page that holds ASCII only, so tests can choose when the fallback must happen.
class TAsciiEncoder final : public TCodePageEncoder {
 public:
  std::optional<std::string> Encode(std::u16string_view text) const override {
    std::string out;
    for (char16_t c : text) {
      if (c > 0x7F) return std::nullopt;
      out += static_cast<char>(c);
    }
    return out;
  }
};

TEST(HistoryFileBytes, EveryLineEndsWithCrLfInTheCodePage) {
  const TAsciiEncoder ascii;
  EXPECT_EQ(HistoryFileBytes(u"", ascii), "");
  EXPECT_EQ(HistoryFileBytes(u"Ab1!\r\n", ascii), "Ab1!\r\n");
  EXPECT_EQ(HistoryFileBytes(u"Ab1!\r\nxY2?\r\n", ascii), "Ab1!\r\nxY2?\r\n");
  // A last line typed without Enter is still terminated in the file.
  EXPECT_EQ(HistoryFileBytes(u"one\r\ntwo", ascii), "one\r\ntwo\r\n");
  // An empty password is an empty line.
  EXPECT_EQ(HistoryFileBytes(u"\r\n", ascii), "\r\n");
}

TEST(HistoryFileBytes, CharactersTheCodePageLacksSwitchTheWholeFileToUtf8WithMark) {
  const TAsciiEncoder ascii;
  EXPECT_EQ(HistoryFileBytes(u"ab\r\n\u041f\u0430\u0440\u043e\u043b\u044c\r\n", ascii),
            "\xEF\xBB\xBF" "ab\r\n\xD0\x9F\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C\r\n");
  // Characters outside the basic plane come through whole.
  EXPECT_EQ(HistoryFileBytes(u"\U0001F511", ascii), "\xEF\xBB\xBF\xF0\x9F\x94\x91\r\n");
}

TEST(FileNameOfPath, IsWhatFollowsTheLastBackslashOrColon) {
  EXPECT_EQ(FileNameOfPath(u"C:\\data\\pass.txt"), u"pass.txt");
  EXPECT_EQ(FileNameOfPath(u"C:pass.txt"), u"pass.txt");
  EXPECT_EQ(FileNameOfPath(u"pass.txt"), u"pass.txt");
  EXPECT_EQ(FileNameOfPath(u"dir/pass.txt"), u"dir/pass.txt");  // a forward slash does not count
  EXPECT_EQ(FileNameOfPath(u"C:\\data\\"), u"");
}

TEST(MarqueeStep, JumpsAtExactlyThreeAndKeepsTheCycleAt318Ticks) {
  EXPECT_EQ(MarqueeStep(232), 231);
  EXPECT_EQ(MarqueeStep(4), 321);  // it never shows 3
  EXPECT_EQ(MarqueeStep(3), 2);    // only equality jumps: a label below 3 keeps going up
  int top = 232, ticks = 0;
  do {
    top = MarqueeStep(top);
    ++ticks;
  } while (top != 321);
  EXPECT_EQ(ticks, 229);
  for (int i = 0; i < 318; ++i) top = MarqueeStep(top);
  EXPECT_EQ(top, 321);
}

TEST(MarqueeAdvance, LandsWhereAsManySingleStepsWouldAndTheClockCarriesPartTicks) {
  for (int top : {232, 322, 321, 4, 3, -7})
    for (uint64_t steps : {0, 1, 228, 229, 317, 318, 319, 1000}) {
      int stepped = top;
      for (uint64_t i = 0; i < steps; ++i) stepped = MarqueeStep(stepped);
      EXPECT_EQ(MarqueeAdvance(top, steps), stepped) << top << " after " << steps;
    }
  EXPECT_EQ(MarqueeAdvance(232, 229 + 318ull * 1000000000), 321) << "days hidden cost no loop";
  EXPECT_EQ(MarqueeAdvance(INT32_MIN + 1, 5), INT32_MIN);
  TMarqueeClock clock;
  EXPECT_EQ(clock.Resume(100, 10), 0u) << "not paused";
  clock.Pause(100);
  clock.Pause(150);  // a second pause keeps the first moment
  EXPECT_EQ(clock.Resume(205, 10), 10u);
  clock.Pause(300);
  EXPECT_EQ(clock.Resume(305, 10), 1u) << "the 5 ms left over before and the 5 ms now make a tick";
  clock.Pause(400);
  EXPECT_EQ(clock.Resume(399, 10), 0u) << "a clock that went back owes nothing";
}

TEST(ClearTransparentWhite, ZeroesOnlyWhiteWithZeroAlpha) {
  TBitmap32 b(3, 1);
  b.At(0, 0) = 0x00FFFFFF;
  b.At(1, 0) = 0x01FFFFFF;
  b.At(2, 0) = 0x00FFFFFE;
  ClearTransparentWhite(b);
  EXPECT_EQ(b.At(0, 0), 0u);
  EXPECT_EQ(b.At(1, 0), 0x01FFFFFFu);
  EXPECT_EQ(b.At(2, 0), 0x00FFFFFEu);
}

}  // namespace
}  // namespace qw
