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
  # Whatever goes to standard error ends its line, so the shell prompt never lands behind it.
  if [ -s "$tmp/.err" ] && [ "$(tail -c1 "$tmp/.err" | od -An -tx1 | tr -d ' ')" != 0a ]; then
    fail "qxskin $*: standard error does not end with a newline"
  fi
}
decodes_to() {  # decodes_to <name> <image> <expected PAM>: decode into <name>.pam and compare
  run decode "$2" "$1.pam"
  if [ $rc -ne 0 ]; then fail "$1: exit $rc ($err)"
  elif ! cmp -s "$1.pam" "$3"; then fail "$1: PAM differs: $(od -An -tx1 "$1.pam" | tr -d '\n')"
  else echo "ok   $1"; fi
}

# A 2 x 2 bitmap, 24 bits, rows bottom-up: bottom row (10 20 30) (magenta), top row (01 02 03) (aa bb cc).
# It has no alpha, so every pixel is opaque, the magenta too.
header='BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
printf "$header"'\x10\x20\x30\xff\x00\xff\0\0\x01\x02\x03\xaa\xbb\xcc\0\0' >small.bmp
pam_header='P7\nWIDTH 2\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n'
printf "$pam_header"'\x03\x02\x01\xff\xcc\xbb\xaa\xff\x30\x20\x10\xff\xff\x00\xff\xff' >want.pam

decodes_to decode24 small.bmp want.pam

# The same pixels in 32 bits with an alpha mask (transparent, half, opaque, transparent) keep that alpha.
# BI_ALPHABITFIELDS: the four masks follow the 40-byte header, the pixels start at 70.
header32='BM\x56\0\0\0\0\0\0\0\x46\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x20\0\x06\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
masks='\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\xff'
pixels32='\x10\x20\x30\xff\xff\x00\xff\x00\x01\x02\x03\x00\xaa\xbb\xcc\x80'
printf "$header32$masks$pixels32" >alpha.bmp
printf "$pam_header"'\x03\x02\x01\x00\xcc\xbb\xaa\x80\x30\x20\x10\xff\xff\x00\xff\x00' >want32.pam
decodes_to alpha32 alpha.bmp want32.pam
# Plain 32 bits (BI_RGB): the fourth byte is reserved, not alpha, so the picture is opaque.
# It decodes to the same PAM as the 24-bit file.
header_plain32='BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x20\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
printf "$header_plain32$pixels32" >plain32.bmp
decodes_to plain32 plain32.bmp want.pam

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

leftovers=$(ls -A | grep -v -x -e small.bmp -e want.pam -e out.pam -e alpha.bmp -e want32.pam -e alpha32.pam \
  -e plain32.bmp -e plain32.pam -e decode24.pam \
  -e broken.bmp -e kept.pam -e pic.gif -e .out -e .err)
if [ -n "$leftovers" ]; then fail "leftovers: $leftovers"; else echo "ok   no-leftovers"; fi

# The command line.
run --help
if [ $rc -ne 0 ] || ! grep -q 'decode IMAGE OUT.pam' <<<"$out"; then fail "help: exit $rc"; else echo "ok   help"; fi
run decode --help
if [ $rc -ne 0 ] || ! grep -q 'usage: qxskin decode' <<<"$out"; then fail "decode-help: exit $rc"; else echo "ok   decode-help"; fi
for args in "" "decode" "decode small.bmp" "decode a b c" "frobnicate"; do
  # shellcheck disable=SC2086
  run $args
  if [ $rc -ne 2 ] || ! grep -q 'usage:' <<<"$err"; then fail "usage [$args]: exit $rc ($err)"; else echo "ok   usage [$args]"; fi
done

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
