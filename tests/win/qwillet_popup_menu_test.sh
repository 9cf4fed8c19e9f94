#!/usr/bin/env bash
# End to end: a right click on the password display opens its popup menu drawn from the skin: with the
# mouse on the first item, that item shows MENUITEM's hot colour, or, where the skin's item is wholly
# transparent (Flatline), the items show MAINMENU's colour through it. Without a package the program
# shows its stored Flatline skin; with one (MetroUI.vlz) c:\Skins holds it and is left as it was.
#   qwillet_popup_menu_test.sh qwillet.exe skin-folder screenshot-prefix [package]
set -u
exe=$1
skin=$2
prefix=$3
package=${4:-}
source "$(dirname "$0")/e2e-session.sh"
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null
  restore_skins
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

# key <SECTION> <KEY>: the value in the skin's description, empty when absent.
key() { tr -d '\r' <"$skin/Options.dat" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print $2}'; }
# rgb <colour value 0xBBGGRR in decimal>: "RRGGBB" as a screenshot's pixel reads.
rgb() { local c; c=$(printf '%06X' "$1"); echo "${c:4:2}${c:2:2}${c:0:2}"; }
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[hex:u.p{0,0}]' info: | cut -c1-6; }

[ -n "$package" ] && { put_package "$package" MetroUI.vlz || fail "no package $package"; }
start_program "$exe"
wid=$(wait_for_window "Qwillet 1.0") || fail "no window titled \"Qwillet 1.0\": $(cat "$log")"
sleep 1
find_client_area "$wid" || fail "unexpected window size"

# The menu opens with its top-left corner at the click; its first item starts 3 pixels in.
px=$(( cx + 200 )); py=$(( cy + 105 ))
xdotool mousemove "$px" "$py" click 3
sleep 0.8
xdotool mousemove $(( px + 60 )) $(( py + 12 ))
sleep 0.6
import -window root "$prefix.png"
xdotool key Escape
hot=$(pixel "$prefix.png" $(( px + 60 )) $(( py + 5 )))
rest=$(pixel "$prefix.png" $(( px + 60 )) $(( py + 29 )))
cleanup

if [ "$(key MENUITEM HOTTRANSPARENCY)" != 100 ] && [ -n "$(key MENUITEM HOTCOLOR)" ]; then
  want=$(rgb "$(key MENUITEM HOTCOLOR)")
  [ "$hot" = "$want" ] || fail "the item under the mouse is #$hot, not MENUITEM's hot #$want ($prefix.png)"
else
  want=$(rgb "$(key MAINMENU COLOR)")
  [ "$rest" = "$want" ] || fail "an item at rest is #$rest, not MAINMENU's #$want through MENUITEM ($prefix.png)"
  # The item under the mouse has the skin's own hot look (its border mask) over that colour.
  [ "$hot" != "$rest" ] || fail "the item under the mouse looks like one at rest ($prefix.png)"
fi
echo "menu item pixels: hot #$hot, at rest #$rest; screenshot: $prefix.png"
