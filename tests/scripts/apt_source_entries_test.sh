#!/usr/bin/env bash
# The source-package entries the installer derives from a machine's package sources: same mirror, options,
# suites and components as the machine's own entries, disabled and commented entries left out, nothing
# when the machine already has source entries.
set -u
script=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
fail=0
expect() {  # expect <name> <expected> <actual>
  if [ "$2" != "$3" ]; then echo "FAIL $1"; echo "expected:"; echo "$2"; echo "got:"; echo "$3"; fail=1; fi
}

mkdir -p "$t/a/sources.list.d"
cat > "$t/a/sources.list" <<'L'
deb [arch=amd64 signed-by=/k.gpg] http://mirror.example/debian bookworm main contrib # a comment
# deb http://commented.example/debian bookworm main
deb http://mirror.example/security bookworm-security main
L
cat > "$t/a/sources.list.d/m.sources" <<'S'
Types: deb
# a comment inside the stanza
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
Components: main
Enabled: no
S
cat > "$t/a/sources.list.d/ours.sources" <<'S'
Types: deb-src
URIs: http://ignored.example/debian
Suites: bookworm
Components: main
S

expect one-line "deb-src [arch=amd64 signed-by=/k.gpg] http://mirror.example/debian bookworm main contrib 
deb-src http://mirror.example/security bookworm-security main" \
  "$(bash "$script" --list "$t/a" "$t/a/sources.list.d/ours.sources")"
expect deb822 "Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 -----END PGP PUBLIC KEY BLOCK-----" \
  "$(bash "$script" --sources "$t/a" "$t/a/sources.list.d/ours.sources")"
# The file left out is the installer's own; any other source entry means the machine has its own.
expect has-own-source "" "$(bash "$script" --list "$t/a")"
expect has-own-source-822 "" "$(bash "$script" --sources "$t/a")"

mkdir -p "$t/empty"
expect no-sources "" "$(bash "$script" --list "$t/empty")"
[ $fail -eq 0 ] && echo "apt source entries: all cases passed"
exit $fail
