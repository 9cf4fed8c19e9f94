#include "skin/core/EngineFlags.h"

namespace qw {

bool AnimationRunning = false;
bool FadingOff = false;
std::u16string UpdatedSectionName;

}  // namespace qw
