#pragma once
// Process-wide flags of the skinning core, read by every control on the user-interface thread.
#include <string>

namespace qw {

// A window transition runs, or the windows are frozen for a skin change: controls postpone painting.
extern bool AnimationRunning;
// Set for good when the session ends: fades stop producing frames and no new ones start.
extern bool FadingOff;
// The upper-case name of the section last changed by UpdateSkinSection.
extern std::u16string UpdatedSectionName;

}  // namespace qw
