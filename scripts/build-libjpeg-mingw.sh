#!/usr/bin/env bash
# Cross-builds libjpeg-turbo as a static library for mingw-w64 from Debian's source package.
# Usage: build-libjpeg-mingw.sh <x86_64|i686> <deps folder>
# Installs into <deps folder>/libjpeg-<arch>; a no-op when that install is already complete.
set -euo pipefail
arch=$1
deps=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
prefix="$deps/libjpeg-$arch"
stamp="$prefix/.complete"
[ -f "$stamp" ] && exit 0

src_root="$deps/src"
mkdir -p "$src_root"
exec 9>"$deps/.libjpeg-src.lock"
flock 9
src=$(find "$src_root" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$src" ]; then
  (cd "$src_root" && apt-get source -qq --download-only libjpeg-turbo >/dev/null 2>&1 \
     || { apt-get update -qq && apt-get source -qq --download-only libjpeg-turbo >/dev/null; })
  (cd "$src_root" && dpkg-source -x --skip-patches libjpeg-turbo_*.dsc >/dev/null)
  src=$(find "$src_root" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
fi
flock -u 9

build="$deps/build-libjpeg-$arch"
rm -rf "$build" "$prefix"
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/toolchain-mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
  -DWITH_SIMD=ON -DCMAKE_INSTALL_PREFIX="$prefix" >"$build.log" 2>&1 \
  || { cat "$build.log" >&2; exit 1; }
cmake --build "$build" >>"$build.log" 2>&1 && cmake --install "$build" >>"$build.log" 2>&1 \
  || { tail -n 40 "$build.log" >&2; exit 1; }
rm -rf "$build"
touch "$stamp"
