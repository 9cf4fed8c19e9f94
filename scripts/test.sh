#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test: the sanitized tree runs the
# portable tests and replays the fuzz corpora, the fuzz tree runs its fuzz targets briefly, the x86_64
# Windows tree runs the Windows tests under Wine, the optimised native tree builds the tools and
# benchmarks, and the 32-bit Windows tree is compiled only (it cannot run here). Prints how long each
# phase took.
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e

started=$(date +%s)
phase_start=$started
phases=()
phase_done() {  # phase_done <name>: notes how long the phase since the previous one took
  local now; now=$(date +%s)
  phases+=("$(printf '%-34s %4d s' "$1" $((now - phase_start)))")
  echo "-- $1: $((now - phase_start)) s"
  phase_start=$now
}

prepare_machine
phase_done "packages"
mkdir -p build
prepare_tests
phase_done "test corpora"
configure native -DCMAKE_BUILD_TYPE=Release -DQW_TESTS=OFF
# Line tables are all the sanitizers' reports need.
configure asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 -DQW_SANITIZE=ON -DQW_BENCH=OFF
# The fuzz tree runs its fuzz targets only; the tests run in the sanitized tree.
configure fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQW_FUZZ=ON -DQW_BENCH=OFF -DQW_TESTS=OFF
# The native tree is built first: its qxskin packs the skins the Windows programs store.
configure_windows x86_64 win64 "$root/build/native/bin/qxskin"
# The 32-bit tree cannot run here: it proves that the programs compile for it.
configure_windows i686 win32 "$root/build/native/bin/qxskin" -DQW_TESTS=OFF
phase_done "cross-built libraries, configure"

build_tree() {  # build_tree <tree>: builds it; a warning in our code fails like an error
  local b=$1
  echo "== building $b"
  cmake --build "build/$b" >"build/$b.build.log" 2>&1 || { tail -n 80 "build/$b.build.log" >&2; return 1; }
  # Our code builds without warnings; a warning is a failure to look at now, not later.
  if grep -E '^(/[^:]*)?(app|base|fw|skin|tools|tests|fuzz|bench)/[^:]*:[0-9]+:[0-9]+: warning:' "build/$b.build.log" \
     | grep -v '/usr/' >&2; then
    echo "warnings in build/$b (see above)" >&2; return 1
  fi
  phase_done "build $b"
}
build_tree native
build_tree win64
build_tree asan
build_tree fuzz
build_tree win32
set +e

passed=0; failed=0
run_ctest() {  # run_ctest <label> <ctest command...>
  local label=$1; shift
  echo "== tests: $label"
  "$@" 2>&1 | tee "build/$label.ctest.log"
  local s
  s=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "build/$label.ctest.log" | tail -n 1)
  if [ -z "$s" ]; then failed=$((failed+1)); echo "no test summary from $label"; phase_done "tests $label"; return; fi
  local total fail
  fail=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$s")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$s")
  passed=$((passed + total - fail)); failed=$((failed + fail))
  phase_done "tests $label"
}
run_ctest asan ctest --test-dir build/asan --output-on-failure -j2
run_ctest fuzz ctest --test-dir build/fuzz --output-on-failure -L fuzz -j2
run_ctest win64 scripts/wine-run.sh --headless --native ctest --test-dir build/win64 --output-on-failure -j2 --timeout 600

# A test program under Wine is one CTest test: name the cases that failed in it.
grep -h -E '^\[  FAILED  \] [A-Za-z_0-9/.]+' build/*.ctest.log 2>/dev/null | grep -v ' listed below' | sort -u \
  | sed -E 's/ \([0-9]+ ms\)$//; s/^/failed case: /' | sort -u
echo
echo "time per phase:"
printf '  %s\n' "${phases[@]}"
echo "  $(printf '%-34s %4d s' total $(( $(date +%s) - started )))"
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
