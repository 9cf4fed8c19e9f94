#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test: native, sanitized, Windows
# under Wine (the 32-bit Windows build is compiled only: it cannot run here) and a short fuzz run.
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e
prepare_machine
mkdir -p build
prepare_tests
configure native -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure asan -DCMAKE_BUILD_TYPE=Debug -DQW_SANITIZE=ON -DQW_BENCH=OFF
# The fuzz tree runs its fuzz targets only; the tests run in the native and sanitized trees.
configure fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQW_FUZZ=ON -DQW_BENCH=OFF -DQW_TESTS=OFF
# The native tree is built first: its qxskin packs the skins the Windows programs store.
configure_windows x86_64 win64 "$root/build/native/bin/qxskin"
# The 32-bit tree cannot run here: it proves that the programs compile for it.
configure_windows i686 win32 "$root/build/native/bin/qxskin" -DQW_TESTS=OFF
for b in native asan fuzz win64 win32; do
  echo "== building $b"
  cmake --build "build/$b" >"build/$b.build.log" 2>&1 || { tail -n 80 "build/$b.build.log" >&2; exit 1; }
  # Our code builds without warnings; a warning is a failure to look at now, not later.
  if grep -E '^(/[^:]*)?(app|base|fw|skin|tools|tests|fuzz|bench)/[^:]*:[0-9]+:[0-9]+: warning:' "build/$b.build.log" \
     | grep -v '/usr/' >&2; then
    echo "warnings in build/$b (see above)" >&2; exit 1
  fi
done
set +e

passed=0; failed=0
run_ctest() {  # run_ctest <label> <ctest command...>
  local label=$1; shift
  echo "== tests: $label"
  "$@" 2>&1 | tee "build/$label.ctest.log"
  local s
  s=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "build/$label.ctest.log" | tail -n 1)
  if [ -z "$s" ]; then failed=$((failed+1)); echo "no test summary from $label"; return; fi
  local total fail
  fail=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$s")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$s")
  passed=$((passed + total - fail)); failed=$((failed + fail))
}
run_ctest native ctest --test-dir build/native --output-on-failure -j2
run_ctest asan ctest --test-dir build/asan --output-on-failure -j2
run_ctest fuzz ctest --test-dir build/fuzz --output-on-failure -L fuzz
run_ctest win64 scripts/wine-run.sh --headless --native ctest --test-dir build/win64 --output-on-failure -j2 --timeout 300

echo
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
