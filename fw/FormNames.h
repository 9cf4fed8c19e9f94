#pragma once
// Names of the shared enumerations as the form description writes them, for every class that publishes
// a property of that kind.
#include "base/ControlEnums.h"
#include "fw/Font.h"
#include "fw/FormValue.h"

namespace qw {

inline constexpr TFormName<TAlignment> kAlignmentNames[] = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
inline constexpr TFormName<unsigned> kFontStyles[] = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};

}  // namespace qw
