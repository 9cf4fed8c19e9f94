#!/usr/bin/env bash
# End to end: starts the real program under Wine, clicks "Сгенерировать пароль" and "Скопировать в буфер"
# with the mouse, reads the clipboard while the program runs, and keeps screenshots of both pages.
#   qwillet_e2e_test.sh qwillet.exe screenshot.png
set -u
exe=$1
shot=$2
source "$(dirname "$0")/e2e-session.sh"
fail() { echo "FAIL: $*" >&2; [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null; exit 1; }

start_program "$exe"
wid=$(wait_for_window "Qwillet 1.0") || fail "no window titled \"Qwillet 1.0\": $(cat "$log")"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
# Without a window manager the X window is the whole frame: the client area sits at its bottom centre.
frame=$(( (WIDTH - 441) / 2 ))
cx=$(( X + frame ))
cy=$(( Y + HEIGHT - 407 - frame ))
[ "$frame" -ge 0 ] && [ $(( HEIGHT - 407 - frame )) -gt 0 ] || fail "unexpected window size ${WIDTH}x${HEIGHT}"

click() { xdotool mousemove "$(( cx + $1 ))" "$(( cy + $2 ))" click 1; sleep 0.6; }
click 124 300   # Сгенерировать пароль
click 124 345   # Скопировать в буфер
clip=$(xclip -o -selection clipboard 2>/dev/null)
import -window root "$shot"
click 157 74    # the "?" tab
sleep 0.5
import -window root "${shot%.png}-about.png"
kill $prog 2>/dev/null
wait $prog 2>/dev/null

[ ${#clip} -eq 8 ] || fail "clipboard holds \"$clip\", not an 8-character password"
rest=$(printf '%s' "$clip" | tr -d 'a-zA-Z0-9!@#$%^&*()"'"'"'\\/|~`?<>,.;:{}[]')
[ -z "$rest" ] || fail "clipboard password \"$clip\" has characters outside the alphabet"
echo "clipboard: $clip; screenshots: $shot ${shot%.png}-about.png"
