#!/usr/bin/env bash
# qxskin render as a skin author runs it on the Flatline skin folder: the PNG it writes, the contact
# sheet, exit codes and no file left behind on a bad request.
# Usage: qxskin_render_test.sh <qxskin binary> <skin folder> [runner...]
set -u
bin=$1; skin=$2; shift 2
runner=("$@")
failures=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -r "$skin" "$tmp/Skin"
cd "$tmp" || exit 1  # relative names work the same for native and Windows programs

fail() { echo "FAIL $1"; failures=$((failures+1)); }
run() {  # run <args...>: sets rc, out and err
  "${runner[@]}" "$bin" "$@" >"$tmp/.out" 2>"$tmp/.err" </dev/null
  rc=$?
  out=$(tr -d '\r' <"$tmp/.out"); err=$(tr -d '\r' <"$tmp/.err")
}
pam_header() { head -c 60 "$1" | tr -d "\\000" | tr "\\n" " "; }

run render Skin BUTTON 1 90x28 button.png
if [ $rc -ne 0 ] || [ ! -s button.png ]; then fail "button: exit $rc ($err)"
else
  run decode button.png button.pam
  case "$(pam_header button.pam)" in
    "P7 WIDTH 90 HEIGHT 28 "*) echo "ok   button";;
    *) fail "button: header $(pam_header button.pam)";;
  esac
fi

# A fully transparent section over a parent known only by its colour is that colour, opaque.
run render Skin CAPTION 0 10x4 caption.png --parent 0x0000FF
run decode caption.png caption.pam
body=$(tail -c 160 caption.pam | od -An -v -tx1 | tr -d ' \n')
want=$(printf 'ff0000ff%.0s' $(seq 40))
if [ $rc -ne 0 ] || [ "$body" != "$want" ]; then fail "parent colour: exit $rc body $body"; else echo "ok   parent colour"; fi

for bad in "NOSUCH 0 10x10" "BUTTON 4 10x10" "BUTTON 0 0x10" "BUTTON 0 10x"; do
  run render Skin $bad bad.png
  if [ $rc -ne 1 ]; then fail "bad [$bad]: exit $rc, wanted 1"
  elif [ -e bad.png ]; then fail "bad [$bad]: a file was written"
  elif [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ]; then fail "bad [$bad]: stderr [$err]"
  else echo "ok   bad [$bad]"; fi
done

run render Skin --sheet sheet.png
if [ $rc -ne 0 ] || [ "$(head -c 8 sheet.png | od -An -v -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
  fail "sheet: exit $rc ($err)"
else echo "ok   sheet"; fi

[ $failures -eq 0 ] && echo "all passed" || echo "$failures failed"
exit $((failures > 0))
