#!/usr/bin/env bash
# Prints source-package ("deb-src") entries for every binary-package ("deb") entry the machine is
# configured with, so that source packages come from whatever mirror the machine already uses:
#   --sources  deb822 stanzas (from sources.list.d/*.sources), copied with their Types changed
#   --list     one-line entries (from sources.list and sources.list.d/*.list), "deb" changed to "deb-src"
# Prints nothing when the machine already has deb-src entries of its own.
#   apt-source-entries.sh --sources|--list [apt configuration folder, default /etc/apt] [file to leave out]
set -euo pipefail
mode=${1:?usage: apt-source-entries.sh --sources|--list [folder] [file to leave out]}
etc=${2:-/etc/apt}
skip=${3:-}
files=()
[ -f "$etc/sources.list" ] && files+=("$etc/sources.list")
for f in "$etc"/sources.list.d/*.list "$etc"/sources.list.d/*.sources; do
  [ -f "$f" ] && [ "$f" != "$skip" ] && files+=("$f")
done
[ ${#files[@]} -gt 0 ] || exit 0

awk -v mode="$mode" '
  # A deb822 stanza is collected line by line; at its end it is kept when it is enabled and of type deb.
  function flush(   n, t, types, deb, i) {
    if (nlines == 0) return
    n = split(typesval, types, /[ \t]+/)
    deb = 0
    for (t = 1; t <= n; ++t) {
      if (types[t] == "deb-src") have_src = 1
      if (types[t] == "deb") deb = 1
    }
    if (deb && tolower(enabled) != "no") {
      if (nstanza++) stanzas = stanzas "\n"
      for (i = 1; i <= nlines; ++i)
        stanzas = stanzas (tolower(lines[i]) ~ /^types:/ ? "Types: deb-src" : lines[i]) "\n"
    }
    nlines = 0; typesval = ""; enabled = ""
  }
  FNR == 1 { flush(); deb822 = (FILENAME ~ /\.sources$/) }
  deb822 {
    if ($0 ~ /^[ \t]*#/) next
    if ($0 ~ /^[ \t]*$/) { flush(); next }
    lines[++nlines] = $0
    if (tolower($0) ~ /^types:/) { typesval = substr($0, 7); gsub(/^[ \t]+|[ \t]+$/, "", typesval) }
    if (tolower($0) ~ /^enabled:/) { enabled = substr($0, 9); gsub(/^[ \t]+|[ \t]+$/, "", enabled) }
    next
  }
  {
    line = $0
    sub(/#.*/, "", line)
    if (line ~ /^[ \t]*deb-src[ \t]/) have_src = 1
    if (line ~ /^[ \t]*deb[ \t]/) { sub(/^[ \t]*deb/, "deb-src", line); oneline = oneline line "\n" }
  }
  END {
    flush()
    if (have_src) exit
    printf "%s", (mode == "--sources" ? stanzas : oneline)
  }
' "${files[@]}"
