#!/usr/bin/env bash
# Runs a Windows test program under Wine in a new prefix of its own: a copy
# of the suite's prefix would race with the tests that use it meanwhile
# (their temporary folders come and go in it, as do the server's registry
# saves). The prefix, its locks and its wineserver are gone afterwards. The
# exit status is the program's.
set -u
program=$1
shift
root=$(cd "$(dirname "$0")/../../.." && pwd)
. "$root/scripts/wine-env"

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vastemor-prefix.XXXXXX")
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null
  WINEPREFIX=$prefix wineserver -w 2>/dev/null
  rm -rf "$prefix" "$prefix.lock" "$prefix.server.lock"
}
trap cleanup EXIT

rmdir "$prefix"
"$root/scripts/wine-prefix" "$prefix" || exit 2
export WINEPREFIX=$prefix
"$root/scripts/wine-server-up"
"$root/scripts/wine-own-loader" "$program" "$@"
