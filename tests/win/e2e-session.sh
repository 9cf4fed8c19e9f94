# Sourced by the end-to-end scripts. Runs the script again inside a private Wine session on its own X
# server (once), starts the program in the background and waits for its windows.
if [ -z "${QW_WINE_SESSION:-}" ]; then
  exec "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../../scripts/wine-run.sh" --headless --native bash "$0" "$@"
fi
WINE=/usr/lib/wine/wine64

# start_program <exe>: the program runs in the background as $prog, its output in $log.
start_program() {
  log=$(mktemp)
  "$WINE" "$1" >"$log" 2>&1 </dev/null &
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
