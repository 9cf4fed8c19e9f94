#!/usr/bin/env bash
# qxskin info/pack/unpack/check/dump as a skin author runs them, on a skin folder made here.
# Usage: qxskin_skin_test.sh <qxskin binary> [runner...]
set -u
bin=$1; shift
runner=("$@")
failures=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

fail() { echo "FAIL $1"; failures=$((failures+1)); }
run() {  # run <args...>: sets rc, out and err
  "${runner[@]}" "$bin" "$@" >"$tmp/.out" 2>"$tmp/.err" </dev/null
  rc=$?
  out=$(tr -d '\r' <"$tmp/.out"); err=$(tr -d '\r' <"$tmp/.err")
  # Whatever goes to standard error ends its line, so the shell prompt never lands behind it.
  if [ -s "$tmp/.err" ] && [ "$(tail -c1 "$tmp/.err" | od -An -tx1 | tr -d ' ')" != 0a ]; then
    fail "qxskin $*: standard error does not end with a newline"
  fi
}
expect() {  # expect <name> <rc> <pattern in out+err>
  if [ "$rc" -ne "$2" ]; then fail "$1: exit $rc, want $2 ($err)"
  elif ! printf '%s\n%s' "$out" "$err" | grep -q -- "$3"; then fail "$1: no \"$3\" in: $out $err"
  else echo "ok   $1"; fi
}

# A 2 x 2 24-bit bitmap (one magenta pixel) and a description that uses it.
mkdir skin
header='BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
printf "$header"'\x10\x20\x30\xff\x00\xff\0\0\x01\x02\x03\xaa\xbb\xcc\0\0' >skin/MASTER.BMP
printf '[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=8.00\r\nAUTHOR=Tester\r\nBOXCHECKED=@0000@0000@0002@0002@1@0\r\nODDKEY=1\r\n[BUTTON]\r\nSTATES=9\r\nPARENTCLASS=MISSING\r\n' >skin/Options.dat

run info skin;            expect "info folder" 0 "AUTHOR: Tester"
run pack skin a.vlz;      expect "pack" 0 ""
run pack skin b.vlz
cmp -s a.vlz b.vlz && echo "ok   pack is reproducible" || fail "pack: two runs differ"
run info a.vlz;           expect "info package" 0 "Options.dat 1[0-9][0-9]"
run unpack a.vlz out;     expect "unpack" 0 ""
run pack out c.vlz
cmp -s a.vlz c.vlz && echo "ok   unpack then pack gives the same bytes" || fail "unpack/pack differ"
cmp -s out/MASTER.BMP skin/MASTER.BMP && echo "ok   unpacked member" || fail "unpacked member differs"
run check a.vlz;          expect "check warnings" 0 "ODDKEY: a key the loader does not know"
expect "check range" 0 "STATES: 9 is outside"
expect "check parent" 0 'PARENTCLASS: no section "MISSING"'
run dump a.vlz;           expect "dump" 0 '"BOXCHECKED","R":\[0,0,2,2\]'
# Member names in any case, as the engine finds them: a package whose description is "options.DAT"
# unpacks into a folder that loads, and images named in another case than the description's are found.
mkdir lower
printf "$header"'\x10\x20\x30\xff\x00\xff\0\0\x01\x02\x03\xaa\xbb\xcc\0\0' >lower/master.bmp
printf '[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=8.00\r\nAUTHOR=Lower\r\nBOXCHECKED=@0000@0000@0002@0002@1@0\r\n' >lower/options.DAT
run pack lower lower.vlz; expect "pack lower-case names" 0 ""
run info lower.vlz;       expect "info lower-case package" 0 "options.DAT"
run unpack lower.vlz lower-out; expect "unpack lower-case names" 0 ""
for what in lower lower-out; do
  run info $what;         expect "info $what" 0 "AUTHOR: Lower"
  run dump $what;         expect "dump $what" 0 '"BOXCHECKED","R":\[0,0,2,2\]'
  run check $what;        expect "check $what" 0 "loads: 1 sections, 1 masks, 0 patterns, 0 warnings"
done

printf '[GLOBALINFO]\r\nSHADOW1BLUR=soft\r\n' >skin/Options.dat
run check skin;           expect "check load error" 1 "error: 'soft' is not a valid integer value"
printf 'VLzf\x05\0\0\0' >bad.vlz
run dump bad.vlz;         expect "dump damaged" 1 "qxskin: bad.vlz: Skin package is damaged"
run unpack bad.vlz never; expect "unpack damaged" 1 "damaged"
[ -e never ] && fail "unpack of a damaged package created the folder" || echo "ok   nothing half-written"
rm skin/Options.dat
run pack skin d.vlz;      expect "pack without Options.dat" 1 "no Options.dat"
[ -e d.vlz ] && fail "failed pack wrote a file" || echo "ok   no package on failure"
exit $((failures > 0))
