#pragma once
// Control class codes (COC): the number every skinned control's constructor gives its skin data. It
// picks the section a control paints with when none is named, and puts the control into the sets that
// change how the common skin data treats it.
#include <string_view>

namespace qw {

// The codes of the controls this program uses (others only matter through the tables).
enum TsControlClass : int {
  COC_TsCustom = 1,
  COC_TsEdit = 3,
  COC_TsMemo = 7,
  COC_TsComboBox = 11,
  COC_TsCheckBox = 32,
  COC_TsRadioButton = 33,
  COC_TsPanel = 51,
  COC_TsTabSheet = 57,
  COC_TsGroupBox = 74,
  COC_TsSpinEdit = 76,
  COC_TsButton = 93,
  COC_TsBitBtn = 94,
  COC_TsPageControl = 141,
  COC_TsSkinProvider = 224,
};

// The section a control of this class paints with when its section name is empty; empty when the
// class has no default (the control's class name is used then).
std::u16string_view DefaultSectionOfClass(int coc);

// The skin sets the control's own background and font colour, and its frame follows focus and hover.
bool IsSkinColoredClass(int coc);
// The mouse being above the control never makes it active (containers).
bool IsUntrackedClass(int coc);
// The control never shows a glow window when the mouse enters it.
bool IsNoGlowClass(int coc);

}  // namespace qw
