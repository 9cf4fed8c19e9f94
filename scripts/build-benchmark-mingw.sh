#!/usr/bin/env bash
# Cross-builds Google Benchmark as a static library for mingw-w64 from Debian's source package, for the
# benchmarks that need real windows (they run under Wine).
# Usage: build-benchmark-mingw.sh <x86_64|i686> <deps folder>
# Installs into <deps folder>/benchmark-<arch>; a no-op when that install is already complete.
set -euo pipefail
arch=$1
deps=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
prefix="$deps/benchmark-$arch"
stamp="$prefix/.complete"
[ -f "$stamp" ] && exit 0

src_root="$deps/src"
mkdir -p "$src_root"
exec 9>"$deps/.benchmark-src.lock"
flock 9
src=$(find "$src_root" -maxdepth 1 -type d -name 'benchmark-*' | head -n 1)
if [ -z "$src" ]; then
  (cd "$src_root" && apt-get source -qq --download-only benchmark >/dev/null 2>&1 \
     || { apt-get update -qq && apt-get source -qq --download-only benchmark >/dev/null; })
  (cd "$src_root" && dpkg-source -x --skip-patches benchmark_*.dsc >/dev/null 2>&1)
  src=$(find "$src_root" -maxdepth 1 -type d -name 'benchmark-*' | head -n 1)
fi
flock -u 9

build="$deps/build-benchmark-$arch"
rm -rf "$build" "$prefix"
cmake -S "$src" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/toolchain-mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_SHARED_LIBS=OFF -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
  -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_INSTALL=ON -DCMAKE_INSTALL_PREFIX="$prefix" >"$build.log" 2>&1 \
  || { cat "$build.log" >&2; exit 1; }
cmake --build "$build" >>"$build.log" 2>&1 && cmake --install "$build" >>"$build.log" 2>&1 \
  || { tail -n 40 "$build.log" >&2; exit 1; }
rm -rf "$build"
touch "$stamp"
