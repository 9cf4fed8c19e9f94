#pragma once
// Names of the skin options several skinned controls publish, as the form description writes them.
#include "fw/FormValue.h"
#include "skin/core/FadeTimer_win.h"
#include "skin/render/SectionPaint.h"

namespace qw {

inline constexpr TFormName<int> kDisabledKindNames[] = {{"dkGrayed", dkGrayed}, {"dkBlended", dkBlended}};
inline constexpr TFormName<TqxAnimatEvents> kAnimatEventNames[] = {{"aeMouseEnter", 1 << aeMouseEnter},
                                                                   {"aeMouseLeave", 1 << aeMouseLeave},
                                                                   {"aeMouseDown", 1 << aeMouseDown},
                                                                   {"aeMouseUp", 1 << aeMouseUp},
                                                                   {"aeGlobalDef", 1 << aeGlobalDef}};

}  // namespace qw
