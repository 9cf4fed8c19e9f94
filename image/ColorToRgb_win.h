#pragma once
// Windows: fills the image layer's system colour table from the running system.

namespace qw {

// Copies GetSysColor of every system colour index into the table ColorToRGB reads. Call at start-up and
// again when the system colours change (WM_SYSCOLORCHANGE).
void InstallSystemColorTable();

}  // namespace qw
