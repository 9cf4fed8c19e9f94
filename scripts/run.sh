#!/usr/bin/env bash
# Installs what is missing, builds Qwillet for Windows and starts it under Wine. With a display the window
# opens there; without one it runs on a private X server, saves a screenshot and prints its path.
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_machine
mkdir -p build
configure_windows x86_64 win64
cmake --build build/win64 --target qwillet >build/win64.build.log 2>&1 || { tail -n 60 build/win64.build.log >&2; exit 1; }
exe=build/win64/bin/qwillet.exe
if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run.sh "$exe" "$@"
fi
mkdir -p build/screenshots
shot="$root/build/screenshots/qwillet-$(date +%Y%m%d-%H%M%S).png"
QW_WINDOW_TITLE="Qwillet 1.0" scripts/wine-run.sh --headless --screenshot "$shot" "$exe" "$@"
echo "$shot"
