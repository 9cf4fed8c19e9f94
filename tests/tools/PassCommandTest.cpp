#include "tools/qwillet-pass/PassCommand.h"

#include <gtest/gtest.h>

#include <cmath>

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
}

TEST(PassCommand, BadSettingsExitOneWithAReason) {
  TRun r = RunTool({u"--count", u"12a"});
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find("count \"12a\" is not a number"), std::string::npos);

  r = RunTool({u"--no-lower", u"--no-upper", u"--no-signs", u"--no-digits"});
  EXPECT_EQ(r.Code, 1);
  EXPECT_NE(r.Err.find("alphabet is empty"), std::string::npos);

  r = RunTool({u"--no-lower", u"--no-upper", u"--no-signs", u"--no-digits", u"--count", u"256"});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Out, "\n");  // an empty password is still a line
}

TEST(PassCommand, CommandLineMistakesExitTwoWithUsage) {
  for (const auto& args : std::vector<std::vector<std::u16string>>{
           {u"--bogus"}, {u"--seed"}, {u"--seed", u"-1"}, {u"--seed", u"4294967296"}, {u"-n", u"x"},
           {u"--count"}}) {
    const TRun r = RunTool(args);
    EXPECT_EQ(r.Code, 2);
    EXPECT_NE(r.Err.find("usage:"), std::string::npos);
  }
  EXPECT_EQ(RunTool({u"--help"}).Code, 0);
}

}  // namespace
}  // namespace qw
