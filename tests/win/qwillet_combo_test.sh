#!/usr/bin/env bash
# End to end: the real program's substitution box, enabled by a click into the custom characters, drops
# its list when its button is clicked; "0-9" is chosen once with the keyboard (F4, arrows, Enter) and once
# with the mouse, and both times the box shows the same picture, which differs from the one of "a-z".
# Screenshots of the dropped list and of the box are kept. Runs under the stored skin, or under a package
# put into c:\Skins (left as it was afterwards).
#   qwillet_combo_test.sh qwillet.exe screenshot-prefix [package.vlz]
set -u
exe=$1
prefix=$2
package=${3:-}
source "$(dirname "$0")/e2e-session.sh"
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null
  restore_skins
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

if [ -n "$package" ]; then put_package "$package" || fail "no package $package"; fi

start_program "$exe"
wid=$(wait_for_window "Qwillet 1.0") || fail "no window titled \"Qwillet 1.0\": $(cat "$log")"
sleep 1
find_client_area "$wid" || fail "unexpected window size"

# The box is 90 x 21 at about client (337, 226); the custom characters' edit lies left of it.
boxx=$(( cx + 337 )); boxy=$(( cy + 226 ))
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
shot() {
  sleep 0.5
  import -window root "$prefix-$1-screen.png"
  convert "$prefix-$1-screen.png" -crop "$2" +repage "$prefix-$1.png"
}
boxshot() { shot "$1" "86x17+$(( boxx + 2 ))+$(( boxy + 2 ))"; }
# Leaves the box: the focus goes to the custom characters (which keeps the box enabled).
leave() { click $(( cx + 190 )) $(( boxy + 10 )); xdotool mousemove $(( cx + 200 )) $(( cy + 120 )); }

leave
shot closed "100x120+$(( boxx - 5 ))+$(( boxy - 5 ))"
click $(( boxx + 79 )) $(( boxy + 10 ))
shot dropped "100x120+$(( boxx - 5 ))+$(( boxy - 5 ))"
diff=$(compare -metric AE "$prefix-closed.png" "$prefix-dropped.png" null: 2>&1)
[ "${diff%% *}" -gt 500 ] || fail "no list below the box after a click on its button ($diff pixels differ)"
xdotool key Escape; sleep 0.3

# The keyboard: F4 drops the list, Home and the arrows walk it from the top, Enter takes the item.
click $(( boxx + 30 )) $(( boxy + 10 ))
xdotool key F4 Home Down Return; sleep 0.3
leave; boxshot keyboard
click $(( boxx + 30 )) $(( boxy + 10 ))
xdotool key F4 Home Down Down Return; sleep 0.3
leave; boxshot other
# The mouse: the button drops the list, the second item is clicked.
click $(( boxx + 79 )) $(( boxy + 10 ))
item=$(( boxy + 21 + 1 + 14 + 7 ))
xdotool mousemove $(( boxx + 30 )) "$item"; sleep 0.3
click $(( boxx + 30 )) "$item"
leave; boxshot mouse
cleanup
wait "$prog" 2>/dev/null

same=$(compare -metric AE "$prefix-keyboard.png" "$prefix-mouse.png" null: 2>&1)
other=$(compare -metric AE "$prefix-keyboard.png" "$prefix-other.png" null: 2>&1)
echo "pixels differing: keyboard vs mouse ${same%% *}, keyboard vs other item ${other%% *}"
[ "${other%% *}" -gt 0 ] || fail "choosing another item did not change the box"
[ "${same%% *}" -eq 0 ] || fail "the item chosen with the mouse is not the one chosen with the keyboard"
echo "screenshots: $prefix-dropped.png $prefix-keyboard.png $prefix-mouse.png $prefix-other.png"
