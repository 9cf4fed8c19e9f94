#pragma once
// The message record of the framework and the numbers of its own notifications. The FW_* numbers are
// fixed: skinned controls and the skin engine react to them by value.
#include <windows.h>

namespace qw {

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// The framework's own message numbers, notifications and reflections alike: they mean nothing to the
// system's window procedures and never reach them.
inline constexpr UINT FW_FIRST = 0xB000;
inline constexpr UINT FW_LAST = 0xBFFF;
inline constexpr bool IsFrameworkMessage(UINT msg) { return msg >= FW_FIRST && msg <= FW_LAST; }

// Control notifications raised by property setters and by the framework's own tracking.
inline constexpr UINT FW_VISIBLE_CHANGED = 0xB00B;
inline constexpr UINT FW_ENABLED_CHANGED = 0xB00C;
inline constexpr UINT FW_COLOR_CHANGED = 0xB00D;
inline constexpr UINT FW_FONT_CHANGED = 0xB00E;
inline constexpr UINT FW_TEXT_CHANGED = 0xB012;
inline constexpr UINT FW_MOUSE_ENTER = 0xB013;
inline constexpr UINT FW_MOUSE_LEAVE = 0xB014;
inline constexpr UINT FW_MENU_CHANGED = 0xB015;
inline constexpr UINT FW_SHOWING_CHANGED = 0xB019;
inline constexpr UINT FW_ENTER = 0xB01A;
inline constexpr UINT FW_EXIT = 0xB01B;
// Enter or Escape that the focused control leaves to its form: the form offers it to its controls until
// one (the default or the cancel button) answers 1.
inline constexpr UINT FW_DIALOG_KEY = 0xB032;
inline constexpr UINT FW_CHANGED = 0xB037;
inline constexpr UINT FW_BIDI_CHANGED = 0xB03C;
inline constexpr UINT FW_MOUSE_WHEEL = 0xB043;

// Parent notifications and pre-dispatched keys come back to the control that caused them as
// FW_REFLECT + the original number (a reflected WM_COMMAND is 0xBD11, a reflected key-down 0xBD00).
inline constexpr UINT FW_REFLECT = 0xBC00;
inline constexpr UINT CN_COMMAND = FW_REFLECT + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = FW_REFLECT + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = FW_REFLECT + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = FW_REFLECT + WM_MEASUREITEM;
inline constexpr UINT CN_KEYDOWN = FW_REFLECT + WM_KEYDOWN;
inline constexpr UINT CN_KEYUP = FW_REFLECT + WM_KEYUP;
inline constexpr UINT CN_CHAR = FW_REFLECT + WM_CHAR;
inline constexpr UINT CN_SYSKEYDOWN = FW_REFLECT + WM_SYSKEYDOWN;
inline constexpr UINT CN_SYSCHAR = FW_REFLECT + WM_SYSCHAR;
inline constexpr UINT CN_CTLCOLOREDIT = FW_REFLECT + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = FW_REFLECT + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORLISTBOX = FW_REFLECT + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORBTN = FW_REFLECT + WM_CTLCOLORBTN;

// Control characters as WM_CHAR delivers them.
inline constexpr wchar_t CH_BACKSPACE = L'\b';
inline constexpr wchar_t CH_TAB = L'\t';
inline constexpr wchar_t CH_RETURN = L'\r';
inline constexpr wchar_t CH_ESCAPE = 0x1B;
inline constexpr wchar_t CH_FIRST_PRINTABLE = L' ';

}  // namespace qw
