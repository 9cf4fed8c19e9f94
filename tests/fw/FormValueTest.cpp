// What property setters get from a value: checked kinds and ranges, enumerations and flag sets by name,
// each mistake reported at the value's line.
#include <gtest/gtest.h>

#include "fw/FormParser.h"
#include "fw/FormValue.h"

namespace qw {
namespace {

// The values of `object F: T ... end`, one property per line starting at line 2.
std::vector<TFormValue> Values(const std::string& lines) {
  std::vector<TFormValue> result;
  for (TFormProperty& p : ParseFormDescription("object F: T\n" + lines + "end\n").Properties)
    result.push_back(std::move(p.Value));
  return result;
}

template <class F>
std::string Error(F&& convert) {
  try {
    convert();
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "converted";
}

TEST(FormValue, IntegersMustFitIn32Bits) {
  const auto v = Values("A = 2147483647\nB = -2147483648\nC = 2147483648\nD = -2147483649\nE = 'x'\n");
  EXPECT_EQ(FormInt(v[0]), INT32_MAX);
  EXPECT_EQ(FormInt(v[1]), INT32_MIN);
  EXPECT_EQ(Error([&] { FormInt(v[2]); }), "Form description, line 4: expected a 32-bit integer");
  EXPECT_EQ(Error([&] { FormInt(v[3]); }), "Form description, line 5: expected a 32-bit integer");
  EXPECT_EQ(Error([&] { FormInt(v[4]); }), "Form description, line 6: expected a 32-bit integer");
}

TEST(FormValue, KindsAreCheckedBeforeUse) {
  const auto v = Values("A = True\nB = False\nC = true\nD = 'True'\nE = ('a' 'b')\nF = ('a' 1)\n"
                        "G = resource('R')\nH = 'R'\nI = <item end>\nJ = (item)\n");
  EXPECT_TRUE(FormBool(v[0]));
  EXPECT_FALSE(FormBool(v[1]));
  EXPECT_EQ(Error([&] { FormBool(v[2]); }), "Form description, line 4: expected True or False");
  EXPECT_EQ(Error([&] { FormBool(v[3]); }), "Form description, line 5: expected True or False");
  EXPECT_EQ(FormString(v[3]), u"True");
  EXPECT_EQ(Error([&] { FormString(v[0]); }), "Form description, line 2: expected a string");
  EXPECT_EQ(FormIdent(v[2]), "true");
  EXPECT_EQ(Error([&] { FormIdent(v[3]); }), "Form description, line 5: expected an identifier");
  EXPECT_EQ(FormStrings(v[4]), (std::vector<std::u16string>{u"a", u"b"}));
  EXPECT_EQ(Error([&] { FormStrings(v[5]); }), "Form description, line 7: expected a string");
  EXPECT_EQ(Error([&] { FormStrings(v[3]); }), "Form description, line 5: expected a list of strings");
  EXPECT_EQ(FormResourceName(v[6]), u"R");
  EXPECT_EQ(Error([&] { FormResourceName(v[7]); }), "Form description, line 9: expected resource('NAME')");
  EXPECT_EQ(FormItems(v[8]).size(), 1u);
  EXPECT_EQ(Error([&] { FormItems(v[9]); }), "Form description, line 11: expected a collection < item ... end >");
}

enum class TShape { Square, Round, Star };
constexpr TFormName<TShape> kShapes[] = {{"shSquare", TShape::Square}, {"shRound", TShape::Round},
                                         {"shCircle", TShape::Round}, {"shStar", TShape::Star}};
constexpr TFormName<unsigned> kStyles[] = {{"fsBold", 1}, {"fsItalic", 2}, {"fsUnderline", 4}};

TEST(FormValue, EnumerationsAndFlagSetsAreLookedUpByName) {
  const auto v = Values("A = shStar\nB = shCircle\nC = shsquare\nD = 'shStar'\n"
                        "E = []\nF = [fsItalic, fsBold fsItalic]\nG = [fsBold, fsWide]\nH = fsBold\n");
  EXPECT_EQ(FormEnum(v[0], kShapes, "shape"), TShape::Star);
  EXPECT_EQ(FormEnum(v[1], kShapes, "shape"), TShape::Round);
  EXPECT_EQ(Error([&] { FormEnum(v[2], kShapes, "shape"); }), "Form description, line 4: unknown shape shsquare");
  EXPECT_EQ(Error([&] { FormEnum(v[3], kShapes, "shape"); }), "Form description, line 5: expected an identifier");
  EXPECT_EQ(FormFlags(v[4], kStyles, "font style"), 0u);
  EXPECT_EQ(FormFlags(v[5], kStyles, "font style"), 3u);
  EXPECT_EQ(Error([&] { FormFlags(v[6], kStyles, "font style"); }), "Form description, line 8: unknown font style fsWide");
  EXPECT_EQ(Error([&] { FormFlags(v[7], kStyles, "font style"); }), "Form description, line 9: expected a set of font styles");
}

}  // namespace
}  // namespace qw
