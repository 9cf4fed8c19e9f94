#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix, on a private X server when there is
# no display (or --headless is given). Every process it starts it ends again: the X server by its process
# id, the Wine processes through the prefix's own wineserver.
#
#   wine-run.sh [--headless] [--screenshot FILE] program.exe [args...]
#   wine-run.sh [--headless] [--lanes N] --native command [args...]   # a Linux command (ctest) inside it
#
# Inside an environment opened by an outer wine-run.sh (QW_WINE_SESSION set) it only runs the program.
# A program run with QW_NEEDS_DISPLAY=1 drives windows and gets a display to itself: one of the N lanes
# (X server, prefix, wineserver) the environment was opened with, or the one display in turn
# (scripts/wine-lane.sh).
# The program's output goes through temporary files: a Wine helper process that inherits a pipe keeps it
# open long after the program has ended, and a caller reading the pipe would wait for it.
set -u
here=$(cd "$(dirname "$0")" && pwd)
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

headless=0; native=0; screenshot=""; lanes=1
while [ $# -gt 0 ]; do
  case "$1" in
    --headless) headless=1; shift ;;
    --lanes) lanes=$2; shift 2 ;;
    --native) native=1; shift ;;
    --screenshot) screenshot=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: wine-run.sh [--headless] [--native] [--screenshot FILE] program [args...]" >&2; exit 2; }

export WINEPREFIX=${QW_WINEPREFIX:-$here/../build/wineprefix}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=d"
# Wine decodes the command line and file names with the locale's character set.
case "${LC_ALL:-${LANG:-}}" in *UTF-8*|*utf8*) ;; *) export LC_ALL=C.UTF-8 ;; esac

source "$here/wine-lane.sh"

run_program() {  # runs the program with its output through files; returns its exit code
  local out err rc attempt
  out=$(mktemp); err=$(mktemp)
  [ "${QW_NEEDS_DISPLAY:-0}" = 1 ] && take_display_lane
  if [ $native -eq 1 ]; then
    "$@" >"$out" 2>"$err" </dev/null 6>&- 7>&-; rc=$?
  else
    for attempt in 1 2 3; do
      "$WINE" "$@" >"$out" 2>"$err" </dev/null 6>&- 7>&-; rc=$?
      # A test program always writes its first line before any verdict; failing without a word means
      # Wine could not start it (seen rarely under load), so it is started again.
      case "$1" in *_tests.exe) ;; *) break ;; esac
      [ $rc -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ] && [ $attempt -lt 3 ] || break
      echo "wine-run: $(basename "$1") ended without output (exit $rc), starting it again" >&2
    done
  fi
  cat "$out"; cat "$err" >&2
  rm -f "$out" "$err"
  return $rc
}

if [ -n "${QW_WINE_SESSION:-}" ] && [ $headless -eq 0 ] && [ -z "$screenshot" ]; then
  # Native commands inside a session are run as they are (their children come back to this wrapper).
  if [ $native -eq 1 ]; then exec "$@"; fi
  run_program "$@"
  exit $?
fi

# One environment per prefix at a time: its end stops every Wine process of the prefix, and Wine
# processes of one prefix cannot share it from two X servers. A second run waits for the first.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 6>"$WINEPREFIX.session.lock"
if ! flock -n 6; then
  echo "wine-run: waiting for another Wine environment on $WINEPREFIX to end" >&2
  flock 6
fi

tmp=$(mktemp -d)
xvfb_pids=()
servers=()
cleanup() {
  local prefix
  for prefix in "${servers[@]}"; do
    WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1; WINEPREFIX=$prefix "$WINESERVER" -w >/dev/null 2>&1
  done
  for pid in "${xvfb_pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# start_xvfb: a private X server on a free display number, without a window manager; prints ":N".
start_xvfb() {
  local file
  file=$(mktemp "$tmp/display.XXXX")
  exec 5>"$file"
  Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 >"$file.log" 2>&1 6>&- &
  xvfb_pids+=($!)
  exec 5>&-
  for _ in $(seq 1 100); do [ -s "$file" ] && break; sleep 0.05; done
  [ -s "$file" ] || { echo "wine-run: Xvfb did not start: $(cat "$file.log")" >&2; return 1; }
  display=":$(head -n 1 "$file")"
}
if [ $headless -eq 1 ] || [ -z "${DISPLAY:-}" ]; then
  start_xvfb || exit 1
  export DISPLAY=$display
fi

# The prefix is made once and shared by every build tree; a lock keeps parallel first runs apart.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 8>"$WINEPREFIX.lock"
flock 8
# A prefix once made is kept outside the checkout for this Wine and this script (like the installed
# packages): later checkouts copy it instead of booting Wine again.
cache_root=${QW_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/qwillet}
template="$cache_root/wineprefix-$( { "$WINE" --version; cat "$0"; } | sha256sum | cut -c1-16)"
if [ ! -f "$WINEPREFIX/.qw-ready" ] && [ -f "$template/.qw-ready" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$template" "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/.qw-ready" ]; then
  rm -rf "$WINEPREFIX"
  "$WINE" wineboot -i >"$tmp/boot.log" 2>&1
  "$WINESERVER" -w
  # Fonts: Wine ships Tahoma but does not load it from its own folder; Verdana it lacks altogether.
  # Without a window manager, destroying a managed window waits two seconds: let Wine manage nothing.
  cat >"$tmp/prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Verdana"="DejaVu Sans"
REG
  "$WINE" regedit /S "$(cd "$tmp" && pwd)/prefix.reg" >/dev/null 2>&1
  "$WINESERVER" -w
  for f in /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf; do
    [ -f "$f" ] && ln -sf "$f" "$WINEPREFIX/drive_c/windows/Fonts/$(basename "$f")"
  done
  [ -d "$WINEPREFIX/drive_c/windows" ] || { echo "wine-run: could not create the Wine prefix:" >&2; cat "$tmp/boot.log" >&2; exit 1; }
  touch "$WINEPREFIX/.qw-ready"
  # Kept while nothing has run in it yet; a reader never sees half a copy.
  if mkdir -p "$cache_root" 2>/dev/null && copy=$(mktemp -d "$cache_root/.new.XXXXXX" 2>/dev/null); then
    cp -a "$WINEPREFIX/." "$copy/" && mv -T "$copy" "$template" 2>/dev/null || rm -rf "$copy"
  fi
fi
flock -u 8
exec 8>&-

# One wineserver for the whole run keeps every start after the first warm.
"$WINESERVER" -p30 6>&-
servers+=("$WINEPREFIX")
export QW_WINE_SESSION=1

# Further lanes for programs that drive the display: each its own X server, a copy of the prefix (a
# reflink where the file system has them) and its own wineserver.
if [ "$lanes" -gt 1 ]; then
  export QW_LANE_COUNT=$lanes QW_LANE_1_DISPLAY=$DISPLAY QW_LANE_1_PREFIX=$WINEPREFIX
  for i in $(seq 2 "$lanes"); do
    lane="$WINEPREFIX-lane$i"
    rm -rf "$lane"
    cp -a "$([ -f "$template/.qw-ready" ] && echo "$template" || echo "$WINEPREFIX")" "$lane"
    start_xvfb || exit 1
    WINEPREFIX=$lane "$WINESERVER" -p30 6>&-
    servers+=("$lane")
    export "QW_LANE_${i}_DISPLAY=$display" "QW_LANE_${i}_PREFIX=$lane"
  done
fi

if [ -n "$screenshot" ]; then
  "$WINE" "$@" >"$tmp/out" 2>"$tmp/err" </dev/null 6>&- &
  prog=$!
  title=${QW_WINDOW_TITLE:-Qwillet}
  found=0
  for _ in $(seq 1 300); do
    if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then found=1; break; fi
    kill -0 $prog 2>/dev/null || break
    sleep 0.1
  done
  if [ $found -eq 0 ]; then
    echo "wine-run: no window titled \"$title\" appeared" >&2; cat "$tmp/err" >&2; exit 1
  fi
  sleep 1.5  # let the first paint and any start-up animation finish
  import -window root "$screenshot"
  rc=$?
  kill $prog 2>/dev/null
  exit $rc
fi

run_program "$@"
exit $?
