// The form's own properties without a window: read from a description, and the window traits they give.
#include <gtest/gtest.h>

#include <string>

#include "fw/FormFrame.h"
#include "fw/FormParser.h"

namespace qw {
namespace {

// Reads the form's properties of a description the way the loader does, into a frame.
TFormFrame ReadFrame(const std::string& body) {
  const TFormObject form = ParseFormDescription("object F: TForm\n" + body + "end\n");
  TFormFrame frame;
  for (const TFormProperty& property : form.Properties)
    for (const TFormFrameProperty& known : FormFrameProperties())
      if (known.Name == property.Name) known.Read(frame, property.Value);
  return frame;
}

std::string ReadError(const std::string& body) {
  try {
    ReadFrame(body);
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "read";
}

TEST(FormFrame, EveryPropertyIsReadFromTheDescription) {
  const TFormFrame frame = ReadFrame(
      "  BorderStyle = bsSizeToolWin\n  BorderIcons = [biSystemMenu, biHelp]\n  FormStyle = fsStayOnTop\n"
      "  WindowState = wsMaximized\n  Constraints.MinWidth = 200\n  Constraints.MinHeight = 150\n"
      "  Constraints.MaxWidth = 800\n  Constraints.MaxHeight = 0\n  AlphaBlend = True\n"
      "  AlphaBlendValue = 200\n  BorderWidth = 4\n");
  const TFormFrame expected{TFormBorderStyle::bsSizeToolWin, biSystemMenu | biHelp, TFormStyle::fsStayOnTop,
                            TWindowState::wsMaximized, TSizeConstraints{200, 150, 800, 0}, true, 200, 4};
  EXPECT_TRUE(frame == expected);
  EXPECT_TRUE(ReadFrame("") == TFormFrame{}) << "what a description leaves out keeps its default";
}

TEST(FormFrame, ValuesOfTheWrongKindOrRangeNameTheirLine) {
  EXPECT_EQ(ReadError("  FormStyle = fsMDIForm\n"), "Form description, line 2: unknown form style fsMDIForm");
  EXPECT_EQ(ReadError("\n  AlphaBlendValue = 256\n"), "Form description, line 3: AlphaBlendValue must be 0 to 255");
  EXPECT_EQ(ReadError("  AlphaBlendValue = -1\n"), "Form description, line 2: AlphaBlendValue must be 0 to 255");
  EXPECT_EQ(ReadError("  Constraints.MaxHeight = -5\n"), "Form description, line 2: MaxHeight must not be negative");
  EXPECT_EQ(ReadError("  BorderWidth = -1\n"), "Form description, line 2: BorderWidth must not be negative");
  EXPECT_EQ(ReadError("  BorderStyle = bsToolWin\n"), "Form description, line 2: unknown border style bsToolWin");
}

TEST(FormFrame, TheBorderStyleAndIconsDecideTheWindowsTraits) {
  using B = TFormBorderStyle;
  constexpr unsigned kAll = biSystemMenu | biMinimize | biMaximize | biHelp;
  struct TCase {
    B Border;
    unsigned Icons;
    // Caption, thin, dialog, thick, tool, system menu, minimise, maximise, help.
    bool Expected[9];
  };
  const TCase cases[] = {
      {B::bsNone, kAll, {false, false, false, false, false, false, false, false, false}},
      {B::bsSingle, kAll, {true, true, false, false, false, true, true, true, false}},
      {B::bsSingle, biSystemMenu | biHelp, {true, true, false, false, false, true, false, false, true}},
      {B::bsSizeable, biSystemMenu | biMaximize | biHelp, {true, false, false, true, false, true, false, true, false}},
      {B::bsDialog, kAll, {true, false, true, false, false, true, false, false, true}},
      {B::bsToolWindow, kAll, {true, true, false, false, true, true, false, false, true}},
      {B::bsSizeToolWin, biMinimize | biHelp, {true, false, false, true, true, false, false, false, false}},
  };
  for (const TCase& c : cases) {
    TFormFrame frame;
    frame.BorderStyle = c.Border;
    frame.BorderIcons = c.Icons;
    const TFormWindowTraits t = FormWindowTraits(frame);
    const bool got[9] = {t.Caption, t.ThinBorder, t.DialogFrame, t.ThickFrame, t.ToolWindow,
                         t.SystemMenu, t.MinimizeBox, t.MaximizeBox, t.ContextHelp};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(got[i], c.Expected[i]) << static_cast<int>(c.Border) << " trait " << i;
    EXPECT_EQ(t.Popup, c.Border == B::bsNone);
  }
  TFormFrame onTop;
  onTop.FormStyle = TFormStyle::fsStayOnTop;
  onTop.AlphaBlend = true;
  EXPECT_TRUE(FormWindowTraits(onTop).TopMost && FormWindowTraits(onTop).Layered);
}

TEST(FormFrame, ExtentsStayWithinTheirLimitsAndAMaximumBelowTheMinimumGivesWay) {
  EXPECT_EQ(ConstrainExtent(50, 0, 0), 50);
  EXPECT_EQ(ConstrainExtent(500, 100, 300), 300);
  EXPECT_EQ(ConstrainExtent(50, 100, 80), 100);
}

}  // namespace
}  // namespace qw
