#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/generator/PasswordGenerator.h"

namespace qw {
namespace {

// Records the calls the generator makes and answers with a fixed script of indexes.
class TScriptedSource final : public TRandomSource {
 public:
  std::vector<std::string> Calls;
  std::vector<uint32_t> Answers;
  void ReseedFromClock() override { Calls.push_back("reseed"); }
  uint32_t RandomBelow(uint32_t n) override {
    Calls.push_back("below " + std::to_string(n));
    const uint32_t a = Answers.empty() ? 0 : Answers[(Calls.size() - 2) % Answers.size()];
    return a % (n ? n : 1);
  }
};

TEST(GeneratePassword, ReseedsFirstThenDrawsOncePerCharacter) {
  TScriptedSource src;
  src.Answers = {0, 2, 78, 18, 24, 61, 29, 14};
  PasswordRequest request;
  EXPECT_EQ(GeneratePassword(request, src), u"ac}sy)Do");
  ASSERT_EQ(src.Calls.size(), 9u);
  EXPECT_EQ(src.Calls.front(), "reseed");
  for (size_t i = 1; i < 9; ++i) EXPECT_EQ(src.Calls[i], "below 91");
}

TEST(GeneratePassword, ReproducesTheDefaultPasswordFromSeedZero) {
  TLcgRandomSource lcg(nullptr);
  lcg.RandomSeed = 0;
  EXPECT_EQ(GeneratePassword(PasswordRequest{}, lcg), u"ac}sy)Do");
}

TEST(GeneratePassword, LengthIsTheCountsLowEightBits) {
  TScriptedSource src;
  PasswordRequest r;
  const std::pair<const char16_t*, size_t> cases[] = {{u"8", 8},         {u"300", 44},   {u"256", 0},
                                                      {u"-3", 253},      {u" 12", 12},   {u"$10", 16},
                                                      {u"$FFFFFFFF", 255}, {u"4", 4},    {u"30", 30}};
  for (const auto& [text, length] : cases) {
    r.CountText = text;
    EXPECT_EQ(GeneratePassword(r, src).size(), length) << std::u16string(text).size();
  }
}

TEST(GeneratePassword, FailsOnCountsThatDoNotParse) {
  TScriptedSource src;
  PasswordRequest r;
  for (const char16_t* bad : {u"", u"12 ", u"12a", u"2147483648"}) {
    r.CountText = bad;
    src.Calls.clear();
    EXPECT_THROW(GeneratePassword(r, src), GenerationFailed);
    EXPECT_EQ(src.Calls, std::vector<std::string>{"reseed"});  // nothing was drawn
  }
}

TEST(GeneratePassword, EmptyAlphabetFailsUnlessNothingIsAsked) {
  TScriptedSource src;
  PasswordRequest r;
  r.UseLower = r.UseUpper = r.UseSigns = r.UseDigits = false;
  EXPECT_THROW(GeneratePassword(r, src), GenerationFailed);
  EXPECT_EQ(src.Calls.size(), 1u);
  r.CountText = u"256";
  EXPECT_EQ(GeneratePassword(r, src), u"");
}

TEST(GeneratePassword, SurrogatePairsAreTwoIndependentEntries) {
  TScriptedSource src;
  src.Answers = {1, 1, 0};
  PasswordRequest r;
  r.OwnChars = u"\U0001F600";  // two 16-bit units
  r.CountText = u"3";
  const std::u16string p = GeneratePassword(r, src);
  EXPECT_EQ(src.Calls[1], "below 2");
  EXPECT_EQ(p, std::u16string({char16_t(0xDE00), char16_t(0xDE00), char16_t(0xD83D)}));
}

TEST(GeneratePassword, SignsAloneGiveTheReverseSolidusTwiceAsOften) {
  // Every index of the 29 signs drawn once: the reverse solidus comes out twice.
  TScriptedSource src;
  for (uint32_t i = 0; i < 29; ++i) src.Answers.push_back(i);
  PasswordRequest r;
  r.UseLower = r.UseUpper = r.UseDigits = false;
  r.CountText = u"29";
  const std::u16string p = GeneratePassword(r, src);
  EXPECT_EQ(std::count(p.begin(), p.end(), u'\\'), 2);
  EXPECT_EQ(std::count(p.begin(), p.end(), u'!'), 1);
}

}  // namespace
}  // namespace qw
