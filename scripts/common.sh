# Shared by run.sh and test.sh: installs what is missing and configures a build tree once.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

prepare_machine() {
  bash scripts/install-deps.sh
}

prepare_tests() {
  bash scripts/fetch-corpora.sh
}

# configure <name> [cmake options...]: build/<name>, configured once and reused afterwards.
configure() {
  local name=$1; shift
  if [ ! -f "build/$name/build.ninja" ]; then
    cmake -S . -B "build/$name" -G Ninja "$@" >"build/$name.configure.log" 2>&1 \
      || { cat "build/$name.configure.log" >&2; return 1; }
  fi
}

# mingw_deps <x86_64|i686>: cross-builds the libraries a Windows tree links (a no-op once they are there).
mingw_deps() {
  local arch=$1
  bash scripts/build-mingw-dep.sh libjpeg-turbo libjpeg "$arch" build/deps \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON
  # The benchmarks that need real windows run under Wine: only the x86_64 tree builds them.
  if [ "$arch" = x86_64 ] && [ "${QW_WINDOWS_BENCH:-1}" = 1 ]; then
    bash scripts/build-mingw-dep.sh benchmark benchmark "$arch" build/deps -DBUILD_SHARED_LIBS=OFF \
      -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
      -DBENCHMARK_ENABLE_INSTALL=ON
  fi
}

# build_mingw_deps: the libraries of both Windows trees.
build_mingw_deps() {
  mingw_deps x86_64 && mingw_deps i686
}

# configure_windows <x86_64|i686> <name> [host qxskin [cmake options...]]: the host qxskin (the native tree's) packs the
# stored skins; without one the x86_64 tree packs them with its own qxskin.exe under Wine.
configure_windows() {
  local arch=$1 name=$2 host=${3:-}
  local extra=("${@:4}")
  mingw_deps "$arch"
  local bench=()
  if [ "$arch" = x86_64 ] && [ "${QW_WINDOWS_BENCH:-1}" = 1 ]; then
    bench=(-DQW_MINGW_BENCHMARK="$root/build/deps/benchmark-$arch")
  fi
  # Optimised without debug information: nothing here reads it, and it costs a third of the compile time.
  configure "$name" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DQW_MINGW_DEPS="$root/build/deps/libjpeg-$arch" -DQW_BENCH=OFF ${host:+-DQW_HOST_QXSKIN="$host"} "${bench[@]}" "${extra[@]}"
}
