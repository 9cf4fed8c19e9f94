#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test: the sanitized tree runs the
# portable tests and replays the fuzz corpora, the fuzz tree runs its fuzz targets briefly, the x86_64
# Windows tree runs the Windows tests under Wine, the optimised native tree builds the tools and
# benchmarks, and the 32-bit Windows tree is compiled only (it cannot run here).
#
# Work that waits overlaps work that computes: the cross-built libraries build while the native tree
# does, and the Windows tests (mostly waiting for Wine and the display) run while the other trees
# compile at a lower priority. Prints how long each phase took; phases that overlap are marked "||".
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e

started=$(date +%s)
mkdir -p build
: >build/phases.txt
# timed <phase> <command...>: runs the command and notes how long it took.
timed() {
  local name=$1 t0 rc
  shift
  t0=$(date +%s)
  "$@" && rc=0 || rc=$?
  printf '%-40s %4d s\n' "$name" $(( $(date +%s) - t0 )) >>build/phases.txt
  return $rc
}

timed "packages" prepare_machine
timed "test corpora" prepare_tests

# build_tree <tree>: builds it; a warning in our code fails like an error.
build_tree() {
  local b=$1
  echo "== building $b"
  ${nice:-} cmake --build "build/$b" >"build/$b.build.log" 2>&1 || { tail -n 80 "build/$b.build.log" >&2; return 1; }
  # Our code builds without warnings; a warning is a failure to look at now, not later.
  if grep -E '^(/[^:]*)?(app|base|fw|skin|tools|tests|fuzz|bench)/[^:]*:[0-9]+:[0-9]+: warning:' "build/$b.build.log" \
     | grep -v '/usr/' >&2; then
    echo "warnings in build/$b (see above)" >&2; return 1
  fi
}

# The native tree is built first: its qxskin packs the skins the Windows programs store. Meanwhile the
# libraries the Windows trees link are cross-built.
timed "|| cross-built libraries" build_mingw_deps >build/deps.log 2>&1 &
deps=$!
configure native -DCMAKE_BUILD_TYPE=Release -DQW_TESTS=OFF
timed "build native" build_tree native
wait $deps || { cat build/deps.log >&2; exit 1; }
# Line tables are all the sanitizers' reports need.
configure asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 -DQW_SANITIZE=ON -DQW_BENCH=OFF
# The fuzz tree runs its fuzz targets only; the tests run in the sanitized tree.
configure fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQW_FUZZ=ON -DQW_BENCH=OFF -DQW_TESTS=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
configure_windows x86_64 win64 "$root/build/native/bin/qxskin"
# The 32-bit tree cannot run here: it proves that the programs compile for it.
configure_windows i686 win32 "$root/build/native/bin/qxskin" -DQW_TESTS=OFF
timed "build win64" build_tree win64
set +e

# run_ctest <label> <ctest command...>: the tests, their output in build/<label>.ctest.log.
run_ctest() {
  local label=$1; shift
  "$@" >"build/$label.ctest.log" 2>&1
  return 0
}
timed "|| tests win64 (Wine)" run_ctest win64 \
  scripts/wine-run.sh --headless --lanes 2 --native ctest --test-dir build/win64 --output-on-failure -j2 --timeout 600 &
wine_tests=$!

built=1
nice="nice -n 15"
for b in asan fuzz win32; do
  timed "|| build $b" build_tree $b || built=0
  case $b in
    asan) echo "== tests: asan"; timed "|| tests asan" run_ctest asan nice -n 5 ctest --test-dir build/asan --output-on-failure -j2 ;;
    fuzz) echo "== tests: fuzz"; timed "|| tests fuzz" run_ctest fuzz nice -n 5 ctest --test-dir build/fuzz --output-on-failure -L fuzz -j2 ;;
  esac
done
echo "== tests: win64 (waiting for them)"
wait $wine_tests

passed=0; failed=0
for label in asan fuzz win64; do
  echo "== tests: $label"
  # Passing tests are one line each: show the summary and whatever failed.
  grep -v -E '^ *(Start +[0-9]+:|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)' "build/$label.ctest.log"
  s=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "build/$label.ctest.log" | tail -n 1)
  if [ -z "$s" ]; then failed=$((failed+1)); echo "no test summary from $label"; continue; fi
  fail=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$s")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$s")
  passed=$((passed + total - fail)); failed=$((failed + fail))
done
[ $built -eq 1 ] || { failed=$((failed+1)); echo "a tree did not build (see above)"; }

# A test program under Wine is one CTest test: name the cases that failed in it.
grep -h -E '^\[  FAILED  \] [A-Za-z_0-9/.]+' build/*.ctest.log 2>/dev/null | grep -v ' listed below' \
  | sed -E 's/ \([0-9]+ ms\)$//; s/^/failed case: /' | sort -u
echo
echo "time per phase (|| overlaps the phases around it):"
sed 's/^/  /' build/phases.txt
printf '  %-40s %4d s\n' "total" $(( $(date +%s) - started ))
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
