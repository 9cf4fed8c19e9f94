#include "image/ColorToRgb_win.h"

#include <windows.h>

#include "image/ColorToRgb.h"

namespace qw {

void InstallSystemColorTable() {
  TSystemColorTable table = SystemColorTable();
  // COLOR_SCROLLBAR (0) .. COLOR_MENUBAR (30); higher indexes keep what they had.
  for (int i = 0; i <= COLOR_MENUBAR; ++i) table[static_cast<size_t>(i)] = GetSysColor(i) & 0x00FFFFFFu;
  SetSystemColorTable(table);
}

}  // namespace qw
