#!/usr/bin/env bash
# End to end: with MetroUI.vlz in c:\Skins, the real program's "Сгенерировать пароль" button shows three
# looks as the mouse rests elsewhere, moves over it and presses it: a grey one-pixel ring, an accent
# one-pixel ring, an accent two-pixel ring. Compares screenshots of the button in the three states and
# keeps them. c:\Skins is left as it was.
#   qwillet_button_states_test.sh qwillet.exe MetroUI.vlz screenshot-prefix
set -u
exe=$1
package=$2
prefix=$3
source "$(dirname "$0")/e2e-session.sh"
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null
  xdotool mouseup 1 2>/dev/null
  restore_skins
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

put_package "$package" MetroUI.vlz || fail "no package $package"

start_program "$exe"
wid=$(wait_for_window "Qwillet 1.0") || fail "no window titled \"Qwillet 1.0\": $(cat "$log")"
sleep 1
find_client_area "$wid" || fail "unexpected window size"

# The button (219 x 32) is centred near client (124, 300); the crop takes it whole with a little around.
bx=$(( cx + 124 )); by=$(( cy + 300 ))
crop="240x48+$(( bx - 120 ))+$(( by - 24 ))"
shot() {
  sleep 0.6  # fades take a few tens of milliseconds
  import -window root "$prefix-$1-screen.png"
  convert "$prefix-$1-screen.png" -crop "$crop" +repage "$prefix-$1.png"
}
# Pixels of MetroUI's accent colour in a picture.
accent() { convert "$1" -fill black +opaque "#0078D7" -fill white -opaque "#0078D7" -format "%[fx:round(mean*w*h)]" info:; }

xdotool mousemove $(( cx + 300 )) $(( cy + 40 ))
shot rest
xdotool mousemove "$bx" "$by"
shot hover
xdotool mousedown 1
shot pressed
xdotool mouseup 1
shot released
cleanup
wait "$prog" 2>/dev/null

rest=$(accent "$prefix-rest.png"); hover=$(accent "$prefix-hover.png"); pressed=$(accent "$prefix-pressed.png")
echo "accent pixels: rest $rest, hover $hover, pressed $pressed"
# A ring round 219 x 32 has about 2 * (219 + 32) = 502 pixels; the pressed ring is two of them.
[ "$rest" -eq 0 ] || fail "the resting button shows the accent colour ($rest pixels)"
[ "$hover" -ge 400 ] || fail "the button under the mouse shows no accent ring ($hover pixels)"
[ "$pressed" -ge $(( hover * 9 / 5 )) ] || fail "the pressed button's ring is not twice as wide ($pressed vs $hover)"
for a in rest hover pressed; do
  for b in rest hover pressed; do
    [ "$a" \< "$b" ] || continue
    diff=$(compare -metric AE "$prefix-$a.png" "$prefix-$b.png" null: 2>&1)
    [ "${diff%% *}" -gt 0 ] || fail "the $a and $b screenshots are the same"
  done
done
echo "three looks; screenshots: $prefix-rest.png $prefix-hover.png $prefix-pressed.png $prefix-released.png"
