# Sourced by the end-to-end scripts. Runs the script again inside a private Wine session on its own X
# server (once), starts the program in the background and waits for its windows.
if [ -z "${QW_WINE_SESSION:-}" ]; then
  exec "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../../scripts/wine-run.sh" --headless --native bash "$0" "$@"
fi
WINE=/usr/lib/wine/wine64
# The display (and its lane's prefix) is this script's alone until it ends.
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../../scripts/wine-lane.sh"
take_display_lane

# start_program <exe>: the program runs in the background as $prog, its output in $log.
start_program() {
  log=$(mktemp)
  "$WINE" "$1" >"$log" 2>&1 </dev/null 7>&- &
  prog=$!
}

# wait_for_window <exact title>: prints the id of the first visible window with that title; fails when
# the program has ended or after 30 s.
wait_for_window() {
  local id=""
  for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$prog" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# ---- The generator window's session: a skin package in c:\Skins, the window, its client area ----------
skins="$WINEPREFIX/drive_c/Skins"
skins_aside=""
package_put=""

# put_package <package.vlz> [name]: c:\Skins holds only that package (under Name when given) until
# restore_skins; what it held before goes aside.
put_package() {
  if [ -e "$skins" ]; then skins_aside="$skins.before-test"; mv "$skins" "$skins_aside"; fi
  mkdir -p "$skins"
  package_put=1
  cp "$1" "$skins/${2:-}"
}

# restore_skins: c:\Skins as it was before put_package (nothing happens without one).
restore_skins() {
  [ -n "$package_put" ] || return 0
  rm -rf "$skins"
  [ -n "$skins_aside" ] && mv "$skins_aside" "$skins"
  package_put=""
  return 0
}

# find_client_area <window id>: cx, cy become the screen place of the generator window's client area
# (441 x 407). Without a window manager the X window is the whole frame: the client area sits at its
# bottom centre. Fails on a window of another size.
find_client_area() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local frame=$(( (WIDTH - 441) / 2 ))
  cx=$(( X + frame ))
  cy=$(( Y + HEIGHT - 407 - frame ))
  [ "$frame" -ge 0 ] && [ $(( HEIGHT - 407 - frame )) -gt 0 ]
}
