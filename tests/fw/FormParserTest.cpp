// The form description's syntax without a window: every kind of value, nesting, the errors with their
// lines, and the program's own description.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fw/FormParser.h"
#include "fw/FormWriter.h"

namespace qw {
namespace {

std::string ParseError(std::string_view text) {
  try {
    ParseFormDescription(text);
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "parsed";
}

const TFormValue& Value(const TFormObject& object, const std::string& name) {
  for (const TFormProperty& p : object.Properties)
    if (p.Name == name) return p.Value;
  throw std::runtime_error("no property " + name);
}

using TKind = TFormValue::TKind;

TEST(FormParser, ReadsEveryKindOfValue) {
  const TFormObject form = ParseFormDescription(
      "object Form1: TForm1\n"
      "  Zero = 0\n"
      "  Negative = -11\n"
      "  Largest = 9223372036854775807\n"
      "  Smallest = -9223372036854775808\n"
      "  Quoted = 'it''s'\n"
      "  Codes = #72#105'there'#33\n"
      "  Joined = 'one' + // a comment between the parts\n"
      "\n"
      "    'two' +#10+ 'three'\n"
      "  Empty = ''\n"
      "  Cyrillic = 'Генератор паролей'\n"
      "  Pair = #55357#56832\n"
      "  Utf8Pair = '\xF0\x9F\x98\x80'\n"
      "  Ident = clBtnFace\n"
      "  Font.Style = []\n"
      "  Icons = [biSystemMenu, biMinimize biMaximize]\n"
      "  Items.Strings = (\n    'a'\n    'b' 7 (x) )\n"
      "  Icon = resource('MAINICON')\n"
      "  Skins = <\n"
      "    item\n      Name = 'One'\n      Data = resource('SKIN_ONE')\n    end\n"
      "    item\n    end>\n"
      "  None = <>\n"
      "end\n");
  EXPECT_EQ(form.Name, "Form1");
  EXPECT_EQ(form.ClassName, "TForm1");
  EXPECT_EQ(Value(form, "Zero").Integer, 0);
  EXPECT_EQ(Value(form, "Negative").Integer, -11);
  EXPECT_EQ(Value(form, "Largest").Integer, INT64_MAX);
  EXPECT_EQ(Value(form, "Smallest").Integer, INT64_MIN);
  EXPECT_EQ(Value(form, "Quoted").String, u"it's");
  EXPECT_EQ(Value(form, "Codes").String, u"Hithere!");
  EXPECT_EQ(Value(form, "Joined").String, u"onetwo\nthree");
  EXPECT_EQ(Value(form, "Joined").Line, 8);
  EXPECT_EQ(Value(form, "Empty").Kind, TKind::String);
  EXPECT_EQ(Value(form, "Empty").String, u"");
  EXPECT_EQ(Value(form, "Cyrillic").String, u"Генератор паролей");
  // A character beyond the BMP written as its two code units is the same text as written in UTF-8.
  EXPECT_EQ(Value(form, "Pair").String, u"\U0001F600");
  EXPECT_EQ(Value(form, "Utf8Pair").String, u"\U0001F600");
  EXPECT_EQ(Value(form, "Ident").Kind, TKind::Identifier);
  EXPECT_EQ(Value(form, "Ident").Identifier, "clBtnFace");
  EXPECT_EQ(Value(form, "Font.Style").Kind, TKind::Set);
  EXPECT_TRUE(Value(form, "Font.Style").Set.empty());
  EXPECT_EQ(Value(form, "Icons").Set, (std::vector<std::string>{"biSystemMenu", "biMinimize", "biMaximize"}));
  const TFormValue& list = Value(form, "Items.Strings");
  ASSERT_EQ(list.Kind, TKind::List);
  ASSERT_EQ(list.List.size(), 4u);
  EXPECT_EQ(list.List[0].String, u"a");
  EXPECT_EQ(list.List[0].Line, 19);
  EXPECT_EQ(list.List[2].Integer, 7);
  ASSERT_EQ(list.List[3].Kind, TKind::List);
  EXPECT_EQ(list.List[3].List[0].Identifier, "x");
  EXPECT_EQ(Value(form, "Icon").Kind, TKind::Resource);
  EXPECT_EQ(Value(form, "Icon").String, u"MAINICON");
  const TFormValue& skins = Value(form, "Skins");
  ASSERT_EQ(skins.Kind, TKind::Collection);
  ASSERT_EQ(skins.Items.size(), 2u);
  ASSERT_EQ(skins.Items[0].size(), 2u);
  EXPECT_EQ(skins.Items[0][0].Name, "Name");
  EXPECT_EQ(skins.Items[0][1].Value.Kind, TKind::Resource);
  EXPECT_EQ(skins.Items[0][1].Line, 25);
  EXPECT_TRUE(skins.Items[1].empty());
  EXPECT_EQ(Value(form, "None").Kind, TKind::Collection);
  EXPECT_TRUE(Value(form, "None").Items.empty());
}

TEST(FormParser, BuildsTheTreeOfNestedObjectsInTheOrderWritten) {
  const TFormObject form = ParseFormDescription(
      "\xEF\xBB\xBF// a byte-order mark and a comment first\n"
      "object F: TForm\n"
      "  Caption = 'x'\n"
      "  object Panel: TPanel\n"
      "    object Inner: TLabel\n"
      "    end\n"
      "  end\n"
      "  Width = 3\n"  // after a nested object: still a property of F
      "  object Menu: TPopupMenu\n"
      "    object Item: TMenuItem end\n"
      "  end\n"
      "end // the end\n"
      "// nothing but comments after it\n");
  EXPECT_EQ(form.Line, 2);
  ASSERT_EQ(form.Properties.size(), 2u);
  EXPECT_EQ(form.Properties[0].Name, "Caption");
  EXPECT_EQ(form.Properties[1].Name, "Width");
  EXPECT_EQ(form.Properties[1].Line, 8);
  ASSERT_EQ(form.Children.size(), 2u);
  EXPECT_EQ(form.Children[0].Name, "Panel");
  EXPECT_EQ(form.Children[0].ClassName, "TPanel");
  EXPECT_EQ(form.Children[0].Line, 4);
  ASSERT_EQ(form.Children[0].Children.size(), 1u);
  EXPECT_EQ(form.Children[0].Children[0].Name, "Inner");
  EXPECT_EQ(form.Children[0].Children[0].Line, 5);
  EXPECT_EQ(form.Children[1].Children.at(0).ClassName, "TMenuItem");
}

TEST(FormParser, NamesTheLineOfEverySyntaxError) {
  const struct {
    const char* Text;
    const char* Error;
  } cases[] = {
      {"", "line 1: expected 'object'"},
      {"\n\n  // only a comment\n", "line 4: expected 'object'"},
      {"objects F: T\nend\n", "line 1: expected 'object'"},
      {"object : T\nend\n", "line 1: expected the form's name"},
      {"object F T\nend\n", "line 1: expected ':'"},
      {"object F:\n  5\nend\n", "line 2: expected the form's class"},
      {"object F: T\n  Left = 1\n", "line 3: missing 'end'"},
      {"object F: T\n  object A: TPanel\n    Left = 1\n  end\n", "line 5: missing 'end'"},
      {"object F: T\nend\nobject G: T\nend\n", "line 3: text after the form's 'end'"},
      {"object F: T\nend\n\n  end\n", "line 4: text after the form's 'end'"},
      {"object F: T\n  Caption = 'open\nend\n", "line 2: unterminated string"},
      {"object F: T\n  Caption = 'open", "line 2: unterminated string"},
      {"object F: T\n  Caption = 'a' +\n\n  end\n", "line 4: expected a string after '+'"},
      {"object F: T\n  Caption = #\nend\n", "line 2: bad character code"},
      {"object F: T\n  Caption = 'a'#65536\nend\n", "line 2: bad character code"},
      {"object F: T\n  Caption = #99999999999999999999999\nend\n", "line 2: bad character code"},
      {"object F: T\n  Left = 9223372036854775808\nend\n", "line 2: integer out of range"},
      {"object F: T\n  Left = -9223372036854775809\nend\n", "line 2: integer out of range"},
      {"object F: T\n  Left = 12px\nend\n", "line 2: bad number"},
      {"object F: T\n  Left 1\nend\n", "line 2: expected '='"},
      {"object F: T\n  Left =\nend\n", "line 3: expected a value"},
      {"object F: T\n  Left =\n  object A: TPanel\n  end\nend\n", "line 3: expected a value"},
      {"object F: T\n  Left = \n", "line 3: expected a value"},
      {"object F: T\n  Left = )\nend\n", "line 2: expected a value"},
      {"object F: T\n  = 1\nend\n", "line 2: expected a property, 'object' or 'end'"},
      {"object F: T\n  Icons = [a, 1]\nend\n", "line 2: expected a set element"},
      {"object F: T\n  Icons = [a\n", "line 3: expected a set element"},
      {"object F: T\n  Lines = ('a'\n  'b'\n", "line 4: unterminated list"},
      {"object F: T\n  Icon = resource(NAME)\nend\n", "line 2: expected a resource name"},
      {"object F: T\n  Icon = resource 'NAME'\nend\n", "line 2: expected '('"},
      {"object F: T\n  Icon = resource('NAME'\nend\n", "line 3: expected ')'"},
      {"object F: T\n  S = <\n    thing\n    end>\nend\n", "line 3: expected 'item' or '>'"},
      {"object F: T\n  S = <\n    item\n      Name = 'x'\n  >\nend\n", "line 5: expected a property or 'end'"},
      {"object F: T\n  S = <\n    item\n", "line 4: expected a property or 'end'"},
      {"object F: T\n  S = <item end\n", "line 3: expected 'item' or '>'"},
      {"object F: T\n  object : TPanel\n  end\nend\n", "line 2: expected a component name"},
      {"object F: T\n  object A: 5\n  end\nend\n", "line 2: expected a class name"},
      {"object F: T\n  Caption = 'x' ; \nend\n", "line 2: expected a property, 'object' or 'end'"},
      {"object F: T\n  Caption = 'x' 'y'\nend\n", "line 2: expected a property, 'object' or 'end'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(ParseError(c.Text), std::string("Form description, ") + c.Error);
  }
}

TEST(FormParser, OnlyAWholeByteOrderMarkIsSkipped) {
  EXPECT_EQ(ParseError("\xEF\xBB\xBFobject F: T end"), "parsed");
  EXPECT_EQ(ParseError("\xEF\xBBobject F: T end"), "Form description, line 1: expected 'object'");
  EXPECT_EQ(ParseError("\xEF" "abobject F: T end"), "Form description, line 1: expected 'object'");
}

TEST(FormParser, NestingDeeperThanTheLimitIsAnErrorNotACrash) {
  std::string lists = "object F: T\n  L = ";
  for (int i = 0; i < 100000; ++i) lists += '(';
  EXPECT_EQ(ParseError(lists), "Form description, line 2: nested too deeply");

  auto objects = [](int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "object A" + std::to_string(i) + ": T\n";
    for (int i = 0; i < depth; ++i) text += "end\n";
    return text;
  };
  EXPECT_EQ(ParseError(objects(kMaxFormNesting)), "parsed");
  EXPECT_EQ(ParseError(objects(kMaxFormNesting + 1)),
            "Form description, line " + std::to_string(kMaxFormNesting + 1) + ": nested too deeply");

  std::string collections = "object F: T\n  S = ";
  for (int i = 0; i < 1000; ++i) collections += "< item V = ";
  EXPECT_EQ(ParseError(collections), "Form description, line 2: nested too deeply");
}

TEST(FormWriter, WritesTextThatParsesToTheSameTree) {
  const TFormObject form = ParseFormDescription(
      "object F: T\n"
      "  S = 'it''s'#13#10'x'#0#55357'a'#56832'\xD0\x96\xF0\x9F\x98\x80'#127\n"
      "  E = ''\n"
      "  N = -5\n"
      "  Set = [a,b]\n"
      "  L = ('a' (1 2) <item X = 1 end>)\n"
      "  R = resource('R''1')\n"
      "  object C: TC\n"
      "    Items = <\n      item\n        Name = 'x'\n      end\n      item\n      end>\n"
      "  end\n"
      "end\n");
  const std::string text = FormDescriptionText(form);
  EXPECT_EQ(text,
            "object F: T\n"
            "  S = 'it''s'#13#10'x'#0#55357'a'#56832'\xD0\x96\xF0\x9F\x98\x80'#127\n"
            "  E = ''\n"
            "  N = -5\n"
            "  Set = [a, b]\n"
            "  L = (\n    'a'\n    (\n      1\n      2)\n    <\n      item\n        X = 1\n      end>)\n"
            "  R = resource('R''1')\n"
            "  object C: TC\n"
            "    Items = <\n      item\n        Name = 'x'\n      end\n      item\n      end>\n"
            "  end\n"
            "end\n");
  EXPECT_EQ(FormDescriptionText(ParseFormDescription(text)), text);
}

TEST(FormParser, ReadsTheProgramsOwnDescription) {
  std::ifstream file(QW_SOURCE_DIR "/app/Unit1.qfm", std::ios::binary);
  ASSERT_TRUE(file) << "app/Unit1.qfm";
  std::stringstream text;
  text << file.rdbuf();
  const TFormObject form = ParseFormDescription(text.str());
  EXPECT_EQ(form.Name, "Form1");
  EXPECT_EQ(form.ClassName, "TForm1");
  int objects = 0;
  const TFormObject* manager = nullptr;
  auto walk = [&](auto& self, const TFormObject& o) -> void {
    ++objects;
    if (o.ClassName == "TsSkinManager") manager = &o;
    for (const TFormObject& child : o.Children) self(self, child);
  };
  walk(walk, form);
  EXPECT_EQ(objects, 44);  // the form and its 43 components
  ASSERT_TRUE(manager);
  const TFormValue& skins = Value(*manager, "InternalSkins");
  ASSERT_EQ(skins.Items.size(), 2u);
  EXPECT_EQ(skins.Items[1][0].Value.String, u"MetroUI (internal)");
  EXPECT_EQ(skins.Items[1][1].Value.String, u"SKIN_METROUI");
  const std::string written = FormDescriptionText(form);
  EXPECT_EQ(FormDescriptionText(ParseFormDescription(written)), written);
}

}  // namespace
}  // namespace qw
