#!/usr/bin/env bash
# qxskin decode as a user runs it: the PAM it writes, exit codes, and no file left behind on failure.
# Usage: qxskin_decode_test.sh <qxskin binary> [runner...]
set -u
bin=$1; shift
runner=("$@")
failures=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1  # relative names work the same for native and Windows programs

fail() { echo "FAIL $1"; failures=$((failures+1)); }
run() {  # run <args...>: sets rc, out and err
  "${runner[@]}" "$bin" "$@" >"$tmp/.out" 2>"$tmp/.err" </dev/null
  rc=$?
  out=$(tr -d '\r' <"$tmp/.out"); err=$(tr -d '\r' <"$tmp/.err")
}

# A 2 x 2 bitmap, 24 bits, rows bottom-up: bottom row (10 20 30) (magenta), top row (01 02 03) (aa bb cc).
header='BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
printf "$header"'\x10\x20\x30\xff\x00\xff\0\0\x01\x02\x03\xaa\xbb\xcc\0\0' >small.bmp
printf 'P7\nWIDTH 2\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n\x03\x02\x01\x00\xcc\xbb\xaa\x00\x30\x20\x10\x00\xff\x00\xff\x00' >want.pam

run decode small.bmp out.pam
if [ $rc -ne 0 ]; then fail "decode: exit $rc ($err)"
elif ! cmp -s out.pam want.pam; then fail "decode: PAM differs: $(od -An -tx1 out.pam | tr -d '\n')"
else echo "ok   decode"; fi

# An existing output is replaced on success ...
echo old >out.pam
run decode small.bmp out.pam
if [ $rc -ne 0 ] || ! cmp -s out.pam want.pam; then fail "replace: exit $rc"; else echo "ok   replace"; fi

# ... and kept, with nothing else left beside it, when the input does not decode.
printf "$header"'\x10\x20' >broken.bmp
echo old >kept.pam
run decode broken.bmp kept.pam
if [ $rc -ne 1 ]; then fail "broken: exit $rc, wanted 1"
elif ! grep -q 'Cannot load image. BMP file is truncated.' <<<"$err"; then fail "broken: stderr [$err]"
elif [ "$(cat kept.pam)" != old ]; then fail "broken: the old output was touched"
else echo "ok   broken"; fi

run decode broken.bmp none.pam
if [ $rc -ne 1 ] || [ -e none.pam ]; then fail "broken-new: exit $rc, output exists: $([ -e none.pam ] && echo yes)"; else echo "ok   broken-new"; fi

printf 'GIF89a' >pic.gif
run decode pic.gif none.pam
if [ $rc -ne 1 ] || ! grep -q 'Unknown picture file format' <<<"$err" || [ -e none.pam ]; then fail "unknown-format: exit $rc [$err]"; else echo "ok   unknown-format"; fi

run decode missing.bmp none.pam
if [ $rc -ne 1 ] || ! grep -q 'missing.bmp' <<<"$err"; then fail "missing-input: exit $rc [$err]"; else echo "ok   missing-input"; fi

leftovers=$(ls -A | grep -v -x -e small.bmp -e want.pam -e out.pam -e broken.bmp -e kept.pam -e pic.gif -e .out -e .err)
if [ -n "$leftovers" ]; then fail "leftovers: $leftovers"; else echo "ok   no-leftovers"; fi

# The command line.
run --help
if [ $rc -ne 0 ] || ! grep -q 'decode IMAGE OUT.pam' <<<"$out"; then fail "help: exit $rc"; else echo "ok   help"; fi
run decode --help
if [ $rc -ne 0 ] || ! grep -q 'usage: qxskin decode' <<<"$out"; then fail "decode-help: exit $rc"; else echo "ok   decode-help"; fi
for args in "" "decode" "decode small.bmp" "decode a b c" "frobnicate"; do
  # shellcheck disable=SC2086
  run $args
  if [ $rc -ne 2 ] || ! grep -q 'usage:' <<<"$err"; then fail "usage [$args]: exit $rc"; else echo "ok   usage [$args]"; fi
done

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
