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
