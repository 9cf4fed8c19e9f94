#include "tools/qwillet-pass/PassCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace qw {
namespace {

struct TRun {
  int Code;
  std::string Out, Err;
};

TRun RunTool(std::vector<std::u16string> args) {
  TRun r;
  r.Code = RunPassCommand(args, r.Out, r.Err);
  return r;
}

TEST(PassCommand, SeedGivesTheReproducibleSequenceAcrossPasswords) {
  EXPECT_EQ(RunTool({u"--seed", u"0"}).Out, "ac}sy)Do\n");
  // The second password continues the sequence: it is not a repeat of the first.
  const TRun two = RunTool({u"--seed", u"0", u"-n", u"2"});
  EXPECT_EQ(two.Code, 0);
  EXPECT_EQ(two.Out.substr(0, 9), "ac}sy)Do\n");
  EXPECT_EQ(two.Out.size(), 18u);
  EXPECT_NE(two.Out.substr(9, 8), "ac}sy)Do");
  EXPECT_EQ(RunTool({u"--seed", u"4294967295"}).Code, 0);
}

TEST(PassCommand, OptionsShapeTheAlphabet) {
  EXPECT_EQ(RunTool({u"--alphabet", u"--no-lower", u"--no-upper", u"--no-signs"}).Out, "1234567890\n");
  EXPECT_EQ(RunTool({u"--alphabet", u"--own", u"ab", u"--substitute", u"0-9"}).Out, "ab1234567890\n");
  EXPECT_EQ(RunTool({u"--alphabet", u"--own", u"пароль"}).Out, "пароль\n");
  const TRun r = RunTool({u"--own", u"Ж", u"--count", u"$3"});
  EXPECT_EQ(r.Out, "ЖЖЖ\n");
  // Own characters outside the Basic Multilingual Plane come out whole: the seeded sequence over the
  // three characters, never a replacement character for half of one.
  EXPECT_EQ(RunTool({u"--own", u"ж€\U0001F600", u"--count", u"6", u"--seed", u"0"}).Out, "жж😀жж😀\n");
}

TEST(PassCommand, EntropyCountsDuplicatesAsTheyWeigh) {
  EXPECT_DOUBLE_EQ(PasswordEntropyBits(u"ab", 8), 8.0);
  EXPECT_DOUBLE_EQ(PasswordEntropyBits(u"aabb", 3), 3.0);
  EXPECT_NEAR(PasswordEntropyBits(u"aab", 1), 0.918296, 1e-6);  // not log2(3)
  EXPECT_EQ(PasswordEntropyBits(u"", 8), 0.0);
  // A character outside the Basic Multilingual Plane is one character, not two halves.
  EXPECT_DOUBLE_EQ(PasswordEntropyBits(u"\U0001F600a", 4), 4.0);
  EXPECT_EQ(RunTool({u"--entropy", u"--own", u"0123456789abcdef", u"--count", u"10"}).Out.substr(11),
            "entropy: 40.00 bits\n");
  EXPECT_TRUE(RunTool({u"--words", u"6", u"--entropy"}).Out.ends_with("\nentropy: 77.55 bits\n"));  // 6 log2(7776)
  // Every class: 24 orders of 26 * 26 * 29 * 10, less 4 * 1/4 * 2/29 bit for the twice-held backslash.
  EXPECT_TRUE(RunTool({u"--every-class", u"--count", u"4", u"--entropy"}).Out.ends_with("\nentropy: 22.10 bits\n"));
}

TEST(PassCommand, MistakesAreOneLineWithTheExitCodeOfTheirKind) {
  // 1: settings that make no password; 2: a command line that is wrong.
  const std::tuple<std::vector<std::u16string>, int, std::string> cases[] = {
      {{u"--count", u"12a"}, 1, "count \"12a\" is not a number"},
      {{u"--count", u"-3"}, 1, "not a length from 0 to 255"},
      {{u"--no-lower", u"--no-upper", u"--no-signs", u"--no-digits"}, 1, "alphabet is empty"},
      {{u"--alphabet", u"--own", u"O0", u"--no-lookalikes"}, 1, "--no-lookalikes left no character"},
      {{u"--every-class", u"--own", u"ab", u"--substitute", u"sign", u"--count", u"1"}, 1, "at least 2, one for"},
      {{u"--every-class", u"--own", u"1l", u"--substitute", u"A-Z", u"--no-lookalikes"}, 1, "no own character"},
      {{u"--bogus\nline"}, 2, "unknown option \"--bogus\uFFFDline\""},
      {{u"--seed"}, 2, "--seed needs a value"},
      {{u"--separator", u"-"}, 2, "--separator shapes passphrases and needs --words"}};
  for (const auto& [args, code, reason] : cases) {
    const TRun r = RunTool(args);
    EXPECT_EQ(r.Code, code) << reason;
    EXPECT_EQ(r.Out, "") << reason;
    EXPECT_NE(r.Err.find(reason), std::string::npos) << r.Err;
    EXPECT_TRUE(r.Err.ends_with("\n") && std::count(r.Err.begin(), r.Err.end(), '\n') == 1) << r.Err;
  }
  const TRun empty = RunTool({u"--no-lower", u"--no-upper", u"--no-signs", u"--no-digits", u"--count", u"0"});
  EXPECT_EQ(empty.Code, 0);
  EXPECT_EQ(empty.Out, "\n");  // nothing asked of an empty alphabet: an empty password, still a line
  EXPECT_EQ(RunTool({u"--help"}).Code, 0);
}

}  // namespace
}  // namespace qw
