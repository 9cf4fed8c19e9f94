#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/generator/Passphrase.h"
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

TEST(GeneratePassword, ACharacterOutsideTheBasicPlaneIsOneEntryAndNeverSplit) {
  TScriptedSource src;
  src.Answers = {2, 0, 2, 1};
  PasswordRequest r;
  r.OwnChars = u"ж€\U0001F600";  // three characters in four 16-bit units
  r.CountText = u"4";
  const std::u16string p = GeneratePassword(r, src);
  for (size_t i = 1; i < src.Calls.size(); ++i) EXPECT_EQ(src.Calls[i], "below 3");
  EXPECT_EQ(p, u"\U0001F600ж\U0001F600€");
  // The count is in characters, so the password has 4 of them in 6 units.
  EXPECT_EQ(p.size(), 6u);
}

// True when every surrogate in the text is part of a pair.
bool WellFormed(std::u16string_view s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
      ++i;
    else if (s[i] >= 0xD800 && s[i] <= 0xDFFF)
      return false;
  }
  return true;
}

TEST(GeneratePassword, PasswordsFromMixedAlphabetsAreAlwaysWholeText) {
  TLcgRandomSource lcg(nullptr);
  PasswordRequest r;
  r.OwnChars = u"\U0001F600a\U00010348\U0001F511";
  r.SubstituteText = u"0-9";
  r.CountText = u"30";
  const std::vector<std::u16string_view> alphabet = AlphabetEntries(BuildAlphabet(r));
  ASSERT_EQ(alphabet.size(), 14u);
  std::set<std::u16string> seen;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    lcg.RandomSeed = seed * 2654435761u;
    const std::u16string p = GeneratePassword(r, lcg);
    ASSERT_TRUE(WellFormed(p)) << seed;
    const std::vector<std::u16string_view> characters = AlphabetEntries(p);
    ASSERT_EQ(characters.size(), 30u) << seed;
    for (std::u16string_view c : characters) seen.emplace(c);
  }
  EXPECT_EQ(seen.size(), 14u);  // every character turns up, nothing else does
}

TEST(AlphabetEntries, PairsAreJoinedAndEverythingElseStaysOneUnit) {
  const std::u16string bmp = BuildAlphabet(PasswordRequest{});
  const std::vector<std::u16string_view> entries = AlphabetEntries(bmp);
  ASSERT_EQ(entries.size(), bmp.size());  // so the deterministic draws are those of the units
  for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i], bmp.substr(i, 1));
  // A high surrogate without its low half, a low half alone, and a pair in the wrong order are one
  // entry per unit: whatever was typed is kept, nothing is dropped.
  const std::u16string odd = {u'a', 0xD83D, u'b', 0xDE00, 0xDE00, 0xD83D, 0xD83D, 0xDE00, 0xD83D};
  const std::vector<std::u16string_view> e = AlphabetEntries(odd);
  ASSERT_EQ(e.size(), 8u);
  EXPECT_EQ(e[6], std::u16string_view(odd).substr(6, 2));
  EXPECT_EQ(e[7], std::u16string_view(odd).substr(8, 1));
  EXPECT_TRUE(AlphabetEntries(u"").empty());
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

TEST(Passphrase, DrawsFromTheWholeEmbeddedListOf7776DistinctWordsAndJoinsThem) {
  const auto words = PassphraseWords();
  EXPECT_EQ(std::set<std::string_view>(words.begin(), words.end()).size(), 7776u);
  for (std::string_view w : words) EXPECT_EQ(w.find_first_not_of("abcdefghijklmnopqrstuvwxyz-"), w.npos) << w;
  TScriptedSource src;
  src.Answers = {0, 7775, 2008};  // the first word, the last, and one with a hyphen
  EXPECT_EQ(GeneratePassphrase({3, u"+-", true}, src), u"Abacus+-Zoom+-Drop-down");
  EXPECT_EQ(src.Calls, (std::vector<std::string>{"reseed", "below 7776", "below 7776", "below 7776"}));
}

}  // namespace
}  // namespace qw
