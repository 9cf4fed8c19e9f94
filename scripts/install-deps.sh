#!/usr/bin/env bash
# Installs, on a Debian 12 machine as root, everything any build or test of Qwillet needs.
# A fast no-op when all is there. The libjpeg-turbo cross-builds are done by build-mingw-dep.sh.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git ca-certificates dpkg-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix gcc-mingw-w64-x86-64-posix gcc-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 mingw-w64-tools
  wine wine64 fonts-wine fonts-dejavu-core
  xvfb xauth x11-utils xdotool xclip imagemagick
  zlib1g-dev libz-mingw-w64-dev libjpeg-dev nasm
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev llvm
  libpng-dev libspng-dev libpixman-1-dev libdeflate-dev
  diceware
)

missing=()
for p in "${packages[@]}"; do
  # dpkg-query prints "install ok installed" only for a package that is fully there.
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

# Source packages (for the libjpeg-turbo cross-build) come from the machine's own package sources: a
# deb-src entry is derived from each deb entry it is configured with, whatever mirror that names.
src_dir=/etc/apt/sources.list.d
need_src=0
if [ ! -f "$src_dir/qwillet-deb-src.sources" ] && [ ! -f "$src_dir/qwillet-deb-src.list" ]; then
  here=$(cd "$(dirname "$0")" && pwd)
  src_stanzas=$(bash "$here/apt-source-entries.sh" --sources)
  src_lines=$(bash "$here/apt-source-entries.sh" --list)
  if [ -n "$src_stanzas$src_lines" ]; then need_src=1; fi
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_src -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" != 0 ]; then
  echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
  exit 1
fi

if [ $need_src -eq 1 ]; then
  if [ -n "$src_stanzas" ]; then printf '%s\n' "$src_stanzas" > "$src_dir/qwillet-deb-src.sources"; fi
  if [ -n "$src_lines" ]; then printf '%s\n' "$src_lines" > "$src_dir/qwillet-deb-src.list"; fi
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
