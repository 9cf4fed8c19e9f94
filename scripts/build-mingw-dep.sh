#!/usr/bin/env bash
# Cross-builds a library for mingw-w64 from Debian's source package with its own CMake build, as a static
# library installed into <deps folder>/<name>-<arch>; a no-op when that install is already complete.
# Each finished install is also kept in a cache outside the checkout (like the installed packages), keyed
# by the source version, options, toolchain and compiler, so later checkouts on the machine copy it.
# Usage: build-mingw-dep.sh <source package> <name> <x86_64|i686> <deps folder> [CMake options...]
set -euo pipefail
package=$1 name=$2 arch=$3
deps=$(mkdir -p "$4" && cd "$4" && pwd)
shift 4
here=$(cd "$(dirname "$0")" && pwd)
prefix="$deps/$name-$arch"
stamp="$prefix/.complete"
[ -f "$stamp" ] && exit 0

# The source is fetched and unpacked once for every architecture (trees building in parallel wait).
src_root="$deps/src"
mkdir -p "$src_root"
exec 9>"$deps/.$package-src.lock"
flock 9
src=$(find "$src_root" -maxdepth 1 -type d -name "$package-[0-9]*" | head -n 1)
if [ -z "$src" ]; then
  (cd "$src_root" && apt-get source -qq --download-only "$package" >/dev/null 2>&1 \
     || { apt-get update -qq && apt-get source -qq --download-only "$package" >/dev/null; })
  # Debian's sources are unsigned here (no keyring): dpkg-source's warning about it says nothing new.
  (cd "$src_root" && dpkg-source -x --skip-patches "${package}"_*.dsc >/dev/null 2>&1)
  src=$(find "$src_root" -maxdepth 1 -type d -name "$package-[0-9]*" | head -n 1)
fi
flock -u 9
[ -n "$src" ] || { echo "build-mingw-dep: no source of $package" >&2; exit 1; }

cache_root=${QW_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/qwillet}
key=$( { basename "$src"; echo "$arch $*"; cat "$here/../cmake/toolchain-mingw-$arch.cmake" "$here/../cmake/mingw-common.cmake" "$0"
         "$arch-w64-mingw32-gcc-posix" -dumpfullversion; } | sha256sum | cut -c1-16)
cached="$cache_root/deps/$name-$arch-$key"
if [ -f "$cached/.complete" ]; then
  rm -rf "$prefix"
  cp -a "$cached" "$prefix"
  exit 0
fi

build="$deps/build-$name-$arch"
rm -rf "$build" "$prefix"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/toolchain-mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$build.log" 2>&1 \
  || { cat "$build.log" >&2; exit 1; }
cmake --build "$build" >>"$build.log" 2>&1 && cmake --install "$build" >>"$build.log" 2>&1 \
  || { tail -n 40 "$build.log" >&2; exit 1; }
rm -rf "$build"
touch "$stamp"
# Into the cache under a temporary name, then renamed: a reader never sees half a copy.
if mkdir -p "$cache_root/deps" 2>/dev/null && tmp=$(mktemp -d "$cache_root/deps/.new.XXXXXX" 2>/dev/null); then
  cp -a "$prefix/." "$tmp/" && mv -T "$tmp" "$cached" 2>/dev/null || rm -rf "$tmp"
fi
