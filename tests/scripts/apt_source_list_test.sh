#!/usr/bin/env bash
# scripts/apt-source-list over stand-in apt folders: the deb-src entry takes
# the Debian mirror whichever way the sources name it.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/apt-source-list
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# etc FOLDER: an empty apt folder.
etc() { rm -rf "$work/$1"; mkdir -p "$work/$1/sources.list.d"; echo "$work/$1"; }
run() {  # run ETC: status in $status, the list in $list
  list=$work/out.sources
  rm -f "$list"
  status=0
  APT_ETC=$1 "$script" "$list" 2>"$work/err" || status=$?
}

# A fresh debootstrap: one-line entries only, no deb822 file at all.
e=$(etc oneline)
printf 'deb http://mirror.example/debian %s main\ndeb http://mirror.example/debian-security %s-security main\n' \
  "$codename" "$codename" >"$e/sources.list"
run "$e"
[ "$status" -eq 0 ] || fail "one-line sources: status $status ($(cat "$work/err"))"
grep -qx 'URIs: http://mirror.example/debian' "$list" 2>/dev/null || fail "one-line sources: the mirror"
grep -qx "Suites: $codename" "$list" 2>/dev/null || fail "one-line sources: the release"
grep -qx 'Types: deb-src' "$list" 2>/dev/null || fail "one-line sources: a source entry"

# deb822 files, another vendor's first; options in brackets on a one-line entry.
e=$(etc deb822)
printf 'Types: deb\nURIs: https://deb.nodesource.com/node_20.x\nSuites: nodistro\n' >"$e/sources.list.d/a-node.sources"
printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: %s\n' "$codename" >"$e/sources.list.d/debian.sources"
run "$e"
grep -qx 'URIs: http://deb.debian.org/debian' "$list" 2>/dev/null || fail "deb822 sources: the Debian mirror"
e=$(etc bracketed)
echo 'deb [arch=amd64 signed-by=/k.gpg] http://ftp.example/debian/ bookworm main' >"$e/sources.list"
run "$e"
grep -qx 'URIs: http://ftp.example/debian/' "$list" 2>/dev/null || fail "bracketed options: the mirror"

# No Debian mirror: a message, no list.
e=$(etc none)
echo 'deb https://packages.cloud.google.com/apt cloud-sdk main' >"$e/sources.list"
run "$e"
[ "$status" -eq 1 ] || fail "no mirror: status $status"
[ ! -e "$list" ] || fail "no mirror: a list was written"
grep -q 'no Debian mirror' "$work/err" || fail "no mirror: the message"

# A list already there is left alone.
list=$work/kept.sources
echo kept >"$list"
APT_ETC=$(etc oneline) "$script" "$list" || fail "kept list: status"
[ "$(cat "$list")" = kept ] || fail "kept list: rewritten"

[ $failures -eq 0 ] && echo "apt-source-list: all cases pass"
exit $((failures > 0))
