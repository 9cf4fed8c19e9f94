#!/usr/bin/env bash
# Makes the README's screenshots from the real program under Wine: the generator window under each
# shipped skin ("Flatline (internal)" as stored, MetroUI from a package in c:\Skins), cropped to the
# window. Needs the built program (build/win64) and the native qxskin (build/native).
#   readme-screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)
if [ -z "${QW_WINE_SESSION:-}" ]; then
  exec "$here/wine-run.sh" --headless --native bash "$0" "$out"
fi
WINE=/usr/lib/wine/wine64
exe="$root/build/win64/bin/qwillet.exe"
qxskin="$root/build/native/bin/qxskin"
skins="$WINEPREFIX/drive_c/Skins"
aside="$WINEPREFIX/drive_c/Skins.before-screenshots"
[ -x "$qxskin" ] && [ -f "$exe" ] || { echo "readme-screenshots: build native and win64 first" >&2; exit 1; }

# Whatever c:\Skins held goes aside and comes back afterwards.
[ -e "$skins" ] && mv "$skins" "$aside"
restore() { rm -rf "$skins"; [ -e "$aside" ] && mv "$aside" "$skins"; true; }
trap restore EXIT

shoot() {  # shoot <file>: starts the program, waits for its window and keeps a picture of it
  "$WINE" "$exe" >/dev/null 2>&1 </dev/null &
  local prog=$! id=""
  for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name '^Qwillet 1.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "readme-screenshots: the window did not appear" >&2; kill $prog; return 1; }
  sleep 1.5  # the first paint
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip -define png:compression-level=9 "$1"
  kill $prog 2>/dev/null
  wait $prog 2>/dev/null || true
  sleep 0.5
}

shoot "$out/qwillet-flatline.png"
mkdir -p "$skins"
"$qxskin" pack "$root/skins/MetroUI" "$skins/MetroUI.vlz" >/dev/null
shoot "$out/qwillet-metroui.png"
echo "$out/qwillet-flatline.png"
echo "$out/qwillet-metroui.png"
