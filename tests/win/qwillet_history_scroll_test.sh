#!/usr/bin/env bash
# End to end: the real program generates fifty passwords with the real mouse; the history memo then holds
# more lines than it shows, and its scroll bar, drawn by the skin, shows a thumb it did not show before.
# Runs under the stored skin, or under a package put into c:\Skins (left as it was afterwards).
#   qwillet_history_scroll_test.sh qwillet.exe screenshot-prefix [package.vlz]
set -u
exe=$1
prefix=$2
package=${3:-}
source "$(dirname "$0")/e2e-session.sh"
skins="$WINEPREFIX/drive_c/Skins"
aside=""
cleanup() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null
  if [ -n "$package" ]; then
    rm -rf "$skins"
    [ -n "$aside" ] && mv "$aside" "$skins"
  fi
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

if [ -n "$package" ]; then
  if [ -e "$skins" ]; then aside="$skins.before-test"; mv "$skins" "$aside"; fi
  mkdir -p "$skins"
  cp "$package" "$skins/" || fail "no package $package"
fi

start_program "$exe"
wid=$(wait_for_window "Qwillet 1.0") || fail "no window titled \"Qwillet 1.0\": $(cat "$log")"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
# Without a window manager the X window is the whole frame: the client area sits at its bottom centre.
frame=$(( (WIDTH - 441) / 2 ))
cx=$(( X + frame ))
cy=$(( Y + HEIGHT - 407 - frame ))
[ "$frame" -ge 0 ] || fail "unexpected window size ${WIDTH}x${HEIGHT}"

# The history memo's scroll bar: the right edge of the memo (client 250..425, 270..372).
bar="20x100+$(( cx + 403 ))+$(( cy + 271 ))"
memo="178x104+$(( cx + 248 ))+$(( cy + 269 ))"
shot() {
  sleep 0.5
  import -window root "$prefix-$1-screen.png"
  convert "$prefix-$1-screen.png" -crop "$memo" +repage "$prefix-$1.png"
  convert "$prefix-$1-screen.png" -crop "$bar" +repage "$prefix-$1-bar.png"
}
shot empty
xdotool mousemove $(( cx + 124 )) $(( cy + 300 ))
for _ in $(seq 1 50); do
  xdotool click 1
  sleep 0.05
done
xdotool mousemove $(( cx + 300 )) $(( cy + 40 ))
shot full
cleanup
wait "$prog" 2>/dev/null

# A system bar drawn over ours would be the system's face colour with its own arrows; ours keeps the
# skin's look, and the thumb appears once the lines do not fit.
changed=$(compare -metric AE "$prefix-empty-bar.png" "$prefix-full-bar.png" null: 2>&1)
[ "${changed%% *}" -gt 40 ] || fail "the scroll bar looks the same after fifty passwords ($changed pixels differ)"
lines=$(compare -metric AE "$prefix-empty.png" "$prefix-full.png" null: 2>&1)
[ "${lines%% *}" -gt 400 ] || fail "the memo shows no new lines ($lines pixels differ)"
echo "bar pixels changed: ${changed%% *}; memo pixels changed: ${lines%% *}"
echo "screenshots: $prefix-empty.png $prefix-full.png"
