// The description reader on the framework's classes: enumerations, flag sets and colours by name or
// number, and a syntax error that stops the load before any component exists.
#include <gtest/gtest.h>

#include "fw/Button.h"
#include "fw/ClassRegistry.h"
#include "fw/Form.h"
#include "fw/FormReader.h"
#include "fw/Label.h"
#include "fw/Panel.h"

namespace qw::test {
namespace {

class TTableForm : public TForm {
 public:
  const char* ClassName() const override { return "TTableForm"; }
};

const TClassRegistry& Registry() {
  static const bool once = [] {
    ClassRegistry().Register("TTableForm", "TForm", nullptr);
    return true;
  }();
  (void)once;
  return ClassRegistry();
}

std::string LoadError(TTableForm& form, const std::string& body) {
  TFormReader reader(form, Registry());
  try {
    reader.ReadForm("object F: TTableForm\n" + body + "end\n");
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "loaded";
}

std::string LoadError(const std::string& body) {
  TTableForm form;
  return LoadError(form, body);
}

TEST(FormReaderTables, EnumerationsFlagsAndColoursBecomeTheirValues) {
  TTableForm form;
  ASSERT_EQ(LoadError(form,
                      "  BorderStyle = bsDialog\n"
                      "  BorderIcons = [biSystemMenu, biMaximize]\n"
                      "  Position = poDesktopCenter\n"
                      "  Color = -16777201\n"
                      "  Font.Color = 4278190088\n"
                      "  Font.Style = [fsBold, fsStrikeOut]\n"
                      "  object P: TPanel\n"
                      "    BevelOuter = bvNone\n"
                      "    Color = clNavy\n"
                      "    object L: TLabel\n"
                      "      Cursor = crHandPoint\n"
                      "    end\n"
                      "  end\n"),
            "loaded");
  EXPECT_EQ(form.Frame().BorderStyle, TFormBorderStyle::bsDialog);
  EXPECT_EQ(form.Frame().BorderIcons, biSystemMenu | biMaximize);
  EXPECT_EQ(form.Position, TPosition::poScreenCenter);
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_EQ(form.Font().Color(), clSystemColor | COLOR_WINDOWTEXT);
  EXPECT_EQ(form.Font().Style(), fsBold | fsStrikeOut);
  auto* panel = dynamic_cast<TPanel*>(form.FindComponent("P"));
  auto* label = dynamic_cast<TLabel*>(form.FindComponent("L"));
  ASSERT_TRUE(panel && label);
  EXPECT_EQ(panel->BevelOuter(), bvNone);
  EXPECT_EQ(panel->Color(), clNavy);
  EXPECT_EQ(label->Cursor, crHandPoint);

  TTableForm empty;
  ASSERT_EQ(LoadError(empty, "  BorderIcons = []\n  Font.Style = []\n"), "loaded");
  EXPECT_EQ(empty.Frame().BorderIcons, 0u);
  EXPECT_EQ(empty.Font().Style(), 0u);
}

TEST(FormReaderTables, AButtonNamesItsImageListAndWhereItsPictureGoes) {
  TTableForm form;
  ASSERT_EQ(LoadError(form,
                      "  object B: TButton\n"
                      "    Images = IL\n"
                      "    ImageIndex = 1\n"
                      "    HotImageIndex = 2\n"
                      "    ImageAlignment = iaTop\n"
                      "    ImageMargins.Left = 4\n"
                      "    ImageMargins.Bottom = 7\n"
                      "  end\n"
                      "  object IL: TImageList\n"
                      "  end\n"),
            "loaded");
  auto* button = dynamic_cast<TButton*>(form.FindComponent("B"));
  ASSERT_TRUE(button);
  EXPECT_EQ(button->Images(), form.FindComponent("IL")) << "a list described after the button is found";
  EXPECT_EQ(button->ImageIndex, 1);
  EXPECT_EQ(button->HotImageIndex, 2);
  EXPECT_EQ(button->PressedImageIndex, -1);
  EXPECT_EQ(button->ImageAlignment, iaTop);
  EXPECT_EQ(button->ImageMargins, (TImageMargins{4, 0, 0, 7}));
  EXPECT_EQ(LoadError("  object B: TButton\n    ImageAlignment = iaMiddle\n  end\n"),
            "Form description, line 3: unknown image alignment iaMiddle");
}

TEST(FormReaderTables, UnknownNamesAndWrongKindsNameTheirLine) {
  EXPECT_EQ(LoadError("  BorderStyle = bsWide\n"), "Form description, line 2: unknown border style bsWide");
  EXPECT_EQ(LoadError("  Position = 'poDesigned'\n"), "Form description, line 2: expected an identifier");
  EXPECT_EQ(LoadError("  BorderIcons = biSystemMenu\n"), "Form description, line 2: expected a set of border icons");
  EXPECT_EQ(LoadError("  BorderIcons = [biSystemMenu,\n    biClose]\n"), "Form description, line 2: unknown border icon biClose");
  EXPECT_EQ(LoadError("  Font.Style = [fsbold]\n"), "Form description, line 2: unknown font style fsbold");
  EXPECT_EQ(LoadError("  object P: TPanel\n    BevelOuter = bvSunken\n  end\n"),
            "Form description, line 3: unknown bevel bvSunken");
  EXPECT_EQ(LoadError("  object L: TLabel\n    Cursor = crCross\n  end\n"), "Form description, line 3: unknown cursor crCross");
  EXPECT_EQ(LoadError("  Color = clPink\n"), "Form description, line 2: unknown colour clPink");
  // A colour is any 32-bit pattern, not a truncated larger number.
  EXPECT_EQ(LoadError("  Color = 4294967296\n"), "Form description, line 2: colour out of range");
  EXPECT_EQ(LoadError("  Color = -2147483649\n"), "Form description, line 2: colour out of range");
}

TEST(FormReaderTables, ASyntaxErrorStopsTheLoadBeforeAnyComponentIsMade) {
  TTableForm form;
  EXPECT_EQ(LoadError(form, "  object P: TPanel\n  end\n  object L: TLabel\n    Caption = 'open\n  end\n"),
            "Form description, line 5: unterminated string");
  EXPECT_EQ(form.ComponentCount(), 0);
}

}  // namespace
}  // namespace qw::test
