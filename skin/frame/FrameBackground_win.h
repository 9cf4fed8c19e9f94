#pragma once
// The background a skinned frame gives the children of its client area: a plain section's colour, or the
// frame's picture, whose client area starts at the frame's offset. Forms and system dialogs answer alike.
#include <functional>

#include "base/Geometry.h"

namespace qw {

class TsCommonData;
struct TBackgroundInfo;

// Answers Info from the frame's skin data (its section in the active or normal look); a stale picture is
// rebuilt through Rebuild first. With PleaseDraw the answer is painted into Info's DC too.
void AnswerFrameBackground(TBackgroundInfo& info, TsCommonData& skinData, bool active, TPoint clientOffset,
                           const std::function<void()>& rebuild);

}  // namespace qw
