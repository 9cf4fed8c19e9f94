#!/usr/bin/env bash
# check-pack-sheet.sh <qxskin> <skin folder> <package out> <sheet out>
# A skin that does not load, or loads with any warning, stops the build with qxskin's own report.
set -euo pipefail
qxskin=$1 src=$2 pkg=$3 sheet=$4
report=$("$qxskin" check "$src") || { echo "$report" >&2; exit 1; }
if ! grep -q ', 0 warnings$' <<<"$report"; then
  echo "$src has warnings:" >&2; echo "$report" >&2; exit 1
fi
"$qxskin" pack "$src" "$pkg"
"$qxskin" render "$pkg" --sheet "$sheet"
