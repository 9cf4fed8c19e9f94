#!/usr/bin/env bash
# End to end: a user has put a broken MetroUI.vlz into c:\Skins. The real program shows the skin engine's
# error box ("Error"); once its OK is clicked, the window comes up all the same (on its stored
# skin). Keeps a screenshot of the box.
#   qwillet_broken_skin_test.sh qwillet.exe screenshot.png
set -u
exe=$1
shot=$2
source "$(dirname "$0")/e2e-session.sh"
skins="$WINEPREFIX/drive_c/Skins"
aside=""
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null
  rm -rf "$skins"
  [ -n "$aside" ] && mv "$aside" "$skins"
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

if [ -e "$skins" ]; then aside="$skins.before-test"; mv "$skins" "$aside"; fi
mkdir -p "$skins"
printf 'This is not a skin package at all.' >"$skins/MetroUI.vlz"

start_program "$exe"
box=$(wait_for_window "Error") || fail "no error box for the broken skin: $(cat "$log")"
if xdotool search --onlyvisible --name "^Qwillet 1.0\$" >/dev/null 2>&1; then
  fail "the window showed before the error box was closed"
fi
sleep 0.5
import -window root "$shot"
# OK with the mouse: it sits centred at the bottom of the box. (Keys sent with xdotool can be left held
# down in the X server after the box has gone, and would then press the buttons of later tests.)
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove "$(( X + WIDTH / 2 ))" "$(( Y + HEIGHT - 22 ))" click 1
wid=$(wait_for_window "Qwillet 1.0") || fail "the window did not come up after the error box: $(cat "$log")"
xdotool search --onlyvisible --name "^Error\$" >/dev/null 2>&1 && fail "the error box is still open"
cleanup
wait "$prog" 2>/dev/null
echo "error box shown and closed, window $wid came up; screenshot: $shot"
