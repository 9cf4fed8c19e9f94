#pragma once
// Keyboard shortcuts of menu items: a virtual key with Shift, Ctrl and Alt bits, and the text a menu shows
// for it ("Ctrl+C", "Shift+Del", "Alt+F4"). Portable: the names are fixed English ones, not the keyboard
// layout's, so the text is the same everywhere and a menu's text can be read back into a shortcut.
#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

// The low byte is the virtual key, numbered as the system numbers it; the high bits are the modifiers.
using TShortCut = uint16_t;
enum : TShortCut {
  scNone = 0,
  scShift = 0x2000,
  scCtrl = 0x4000,
  scAlt = 0x8000,
};
inline constexpr TShortCut kShortCutKeyMask = 0x00FF;

inline constexpr TShortCut MakeShortCut(uint8_t virtualKey, TShortCut modifiers) {
  return static_cast<TShortCut>(virtualKey | modifiers);
}

// "Shift+", "Ctrl+" and "Alt+" in that order, then the key's name; empty for scNone and for a key that
// has no name here (so no menu shows half a shortcut).
std::u16string ShortCutToText(TShortCut shortCut);
// The shortcut a text names, modifiers and key name compared without regard to case ("ctrl+f4"); scNone
// for anything else (an empty text, a modifier without a key, an unknown name).
TShortCut TextToShortCut(std::u16string_view text);

}  // namespace qw
