#!/usr/bin/env bash
# Runs a Windows test program under Wine in a prefix of its own: a copy of
# $WINEPREFIX, which must be a ready prefix, or a new one without it. The
# prefix and its wineserver are gone afterwards. The exit status is the
# program's.
set -u
program=$1
shift
root=$(cd "$(dirname "$0")/../../.." && pwd)
. "$root/scripts/wine-env"

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vastemor-prefix.XXXXXX")
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null
  WINEPREFIX=$prefix wineserver -w 2>/dev/null
  rm -rf "$prefix"
}
trap cleanup EXIT

template=${WINEPREFIX:-}
if [ -n "$template" ]; then
  "$root/scripts/wine-prefix" --is-ready "$template" || {
    echo "run_in_throwaway_prefix: $template is not a ready Wine prefix" >&2
    exit 2
  }
  # The copy gets a wineserver of its own.
  cp -a "$template/." "$prefix/" && rm -f "$prefix/wineserver" || exit 2
else
  rmdir "$prefix"
  "$root/scripts/wine-prefix" "$prefix" || exit 2
fi
export WINEPREFIX=$prefix
"$root/scripts/wine-server-up"
wine "$program" "$@"
