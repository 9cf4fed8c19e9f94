#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/generator/PasswordGenerator.h"

namespace qw {
namespace {

TEST(EveryClass, LengthFourPasswordsHoldTheRuleAndFollowItsExactDistribution) {
  // Four classes in four characters: each stands exactly once, in any order, so at every position each
  // class has a chance of 1/4, shared among its characters as often as the class holds them.
  PasswordRequest r;
  r.EveryClass = true;
  r.CountText = u"4";
  const std::vector<std::u16string> classes = PasswordClasses(r);
  std::map<char16_t, double> expected;
  for (const auto& c : classes) for (char16_t ch : c) expected[ch] += 0.25 / c.size();
  TLcgRandomSource lcg(nullptr);  // seed 0
  constexpr int kSample = 20000;  // a bias such as keeping one character across redraws gives hundreds
  std::map<char16_t, int> seen[4];
  for (int i = 0; i < kSample; ++i) {
    const std::u16string p = GeneratePassword(r, lcg);
    ASSERT_EQ(p.size(), 4u);
    for (const auto& c : classes) ASSERT_NE(p.find_first_of(c), p.npos) << i;
    for (size_t j = 0; j < 4; ++j) ++seen[j][p[j]];
  }
  for (auto& counts : seen) {
    EXPECT_EQ(counts.size(), expected.size());  // nothing from outside the alphabet
    double chiSquare = 0;
    for (const auto& [ch, p] : expected) chiSquare += std::pow(counts[ch] - kSample * p, 2) / (kSample * p);
    EXPECT_LT(chiSquare, 136.0);  // the 0.999 quantile for 89 degrees of freedom (90 characters)
  }
}

// The entropy of the passwords that hold the rule, from every k draws of the joined classes (of one unit each).
double EnumeratedEntropyBits(const std::vector<std::u16string>& classes, unsigned k) {
  std::u16string alphabet;
  for (const auto& c : classes) alphabet += c;
  std::map<std::u16string, double> ways;
  double total = 0;
  const auto draws = static_cast<size_t>(std::pow(alphabet.size(), k));
  for (size_t d = 0; d < draws; ++d) {
    std::u16string p;
    for (size_t rest = d; p.size() < k; rest /= alphabet.size()) p += alphabet[rest % alphabet.size()];
    if (std::all_of(classes.begin(), classes.end(), [&](const auto& c) { return p.find_first_of(c) != p.npos; })) {
      ++ways[p];
      ++total;
    }
  }
  double bits = 0;
  for (const auto& [p, w] : ways) bits -= w / total * std::log2(w / total);
  return bits;
}

TEST(EveryClass, EntropyIsThatOfThePasswordsWhichHoldTheRule) {
  const std::pair<std::vector<std::u16string>, unsigned> cases[] = {
      {{std::u16string(SignChars), std::u16string(DigitChars)}, 3},  // the reverse solidus twice
      {{u"ab", std::u16string(LowerLetters)}, 3},                   // own characters inside the class
      {{u"aab", u"Z", u"9"}, 5}};                                    // repeats in a short own class
  for (const auto& [classes, k] : cases) {
    EXPECT_NEAR(EveryClassEntropyBits(classes, k), EnumeratedEntropyBits(classes, k), 1e-9) << classes[0].size();
  }
}

}  // namespace
}  // namespace qw
