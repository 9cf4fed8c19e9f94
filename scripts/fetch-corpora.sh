#!/usr/bin/env bash
# Fetches the image corpora no one here wrote (Debian packages, unpacked, never committed) into
# build/corpora/<package>. A no-op when they are there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest="$root/build/corpora"
mkdir -p "$dest"
for pkg in golang-1.19-src gdk-pixbuf-tests golang-golang-x-image-dev; do
  [ -f "$dest/$pkg/.complete" ] && continue
  tmp=$(mktemp -d)
  (cd "$tmp" && apt-get download -qq "$pkg" >/dev/null 2>&1 || { apt-get update -qq && apt-get download -qq "$pkg" >/dev/null; })
  rm -rf "${dest:?}/$pkg"
  dpkg-deb -x "$tmp"/*.deb "$dest/$pkg"
  rm -rf "$tmp"
  touch "$dest/$pkg/.complete"
done
