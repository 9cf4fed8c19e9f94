#!/usr/bin/env bash
# Every shipped .exe must start on a bare Windows: it may import only DLLs that come with the system.
# With --not A,B,...: none of those is imported either (the program looks them up when it first needs
# them, so starting it does not load them).
# Usage: system_dlls_only_test.sh <objdump> [--not DLL,...] <exe>...
set -u
objdump=$1; shift
late='^$'
if [ "${1:-}" = --not ]; then late="^($(tr ',' '|' <<<"$2" | tr 'a-z' 'A-Z'))\.DLL\$"; shift 2; fi
allowed='^(KERNEL32|USER32|GDI32|MSIMG32|ADVAPI32|SHELL32|COMCTL32|COMDLG32|UXTHEME|DWMAPI|OLE32|OLEAUT32|OLEACC|SHLWAPI|BCRYPT|MSVCRT|UCRTBASE|api-ms-win-[a-z0-9-]+)\.DLL$'
bad=0
for exe in "$@"; do
  while read -r dll; do
    if ! grep -qiE "$allowed" <<<"$dll"; then echo "$(basename "$exe") imports $dll"; bad=1; fi
    if grep -qE "$late" <<<"$dll"; then echo "$(basename "$exe") loads $dll at start"; bad=1; fi
  done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z')
done
[ $bad -eq 0 ] && echo "only system DLLs imported"
exit $bad
