#pragma once
// The answers of a non-client hit test: the system's codes (same numbers as the window system's HT*
// values, which portable code cannot include) and the engine's own for the buttons it adds.
#include <cstdint>

namespace qw {

inline constexpr int32_t kHtError = -2, kHtNowhere = 0, kHtClient = 1, kHtCaption = 2, kHtSysMenu = 3,
                         kHtMenu = 5, kHtMinButton = 8, kHtMaxButton = 9, kHtLeft = 10, kHtRight = 11,
                         kHtTop = 12, kHtTopLeft = 13, kHtTopRight = 14, kHtBottom = 15, kHtBottomLeft = 16,
                         kHtBottomRight = 17, kHtClose = 20, kHtHelp = 21;
// The engine's own: the buttons of a maximised MDI child in the menu line, user caption buttons (plus
// their index) and the items of a title bar (plus theirs).
inline constexpr int32_t kHtMdiClose = 101, kHtMdiRestore = 102, kHtMdiMinimize = 103, kHtUserButton = 1000,
                         kHtTitleBarItem = 2000;

}  // namespace qw
