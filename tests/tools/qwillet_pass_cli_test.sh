#!/usr/bin/env bash
# qwillet-pass as a user runs it: exit codes, standard output and standard error.
# Usage: qwillet_pass_cli_test.sh <qwillet-pass binary> [runner...]
set -u
bin=$1; shift
failures=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

check() {  # check <name> <expected rc> <expected stdout or -> <stderr pattern or -> -- <args...>
  local name=$1 want_rc=$2 want_out=$3 want_err=$4; shift 5
  "${runner[@]}" "$bin" "$@" >"$tmp/out" 2>"$tmp/err" </dev/null
  local rc=$?
  local out err
  out=$(tr -d '\r' <"$tmp/out"); err=$(tr -d '\r' <"$tmp/err")
  if [ "$rc" != "$want_rc" ]; then echo "FAIL $name: exit $rc, wanted $want_rc (stderr: $err)"; failures=$((failures+1)); return; fi
  if [ "$want_out" != "-" ] && [ "$out" != "$want_out" ]; then echo "FAIL $name: stdout [$out], wanted [$want_out]"; failures=$((failures+1)); return; fi
  if [ "$want_err" != "-" ] && ! grep -q -- "$want_err" <<<"$err"; then echo "FAIL $name: stderr [$err] lacks [$want_err]"; failures=$((failures+1)); return; fi
  if [ "$rc" != 0 ] && [ "$(wc -l <"$tmp/err")" != 1 ]; then echo "FAIL $name: stderr is not one line [$err]"; failures=$((failures+1)); return; fi
  echo "ok   $name"
}
runner=("$@")

check seed-zero         0 'ac}sy)Do'   -                         -- --seed 0
check alphabet-digits   0 '1234567890' -                         -- --alphabet --no-lower --no-upper --no-signs
check cyrillic-own      0 'ЖЖЖЖ'       -                         -- --own Ж --count 4
check emoji-own         0 'жж😀жж😀'   -                         -- --own 'ж€😀' --count 6 --seed 0
check empty-password    0 ''           -                         -- --count 0
check bad-count         1 ''           'is not a number'         -- --count 12a
check empty-alphabet    1 ''           'alphabet is empty'       -- --no-lower --no-upper --no-signs --no-digits
check unknown-option    2 ''           'unknown option'          -- --frobnicate
check bad-seed          2 ''           '0 to 4294967295'         -- --seed 4294967296
check seeded-phrase     0 'Abacus_Anybody_Tastiness' -           -- --words 3 --separator _ --capitalize --seed 0
check short-every-class 1 ''           'at least 4'              -- --every-class --count 3
check words-with-own    2 ''           'does not go with'        -- --words 3 --own ab
check negative-words    2 ''           'from 1 to 100'           -- --words -2

# Without --seed the system source is used: two runs must differ.
"${runner[@]}" "$bin" --count 24 >"$tmp/a" 2>/dev/null; "${runner[@]}" "$bin" --count 24 >"$tmp/b" 2>/dev/null
if cmp -s "$tmp/a" "$tmp/b" || [ "$(tr -d '\r\n' <"$tmp/a" | wc -m)" != 24 ]; then
  echo "FAIL system-source: [$(cat "$tmp/a")] [$(cat "$tmp/b")]"; failures=$((failures+1))
else
  echo "ok   system-source"
fi

# The system source draws whole characters too: 30 valid UTF-8 characters, each one of the three given.
"${runner[@]}" "$bin" --own 'ж€😀' --count 30 >"$tmp/e" 2>/dev/null
chars=$(tr -d '\r\n' <"$tmp/e" | iconv -f UTF-8 -t UTF-32LE 2>/dev/null | wc -c)
if [ "$chars" != 120 ] || tr -d '\r\nж€😀' <"$tmp/e" | grep -q .; then
  echo "FAIL whole-characters: [$(cat "$tmp/e")]"; failures=$((failures+1))
else
  echo "ok   whole-characters"
fi

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
