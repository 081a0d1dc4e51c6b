#!/usr/bin/env bash
# scripts/apt-install against stand-in apt-get, dpkg-query and sudo on PATH:
# a mirror that fails one index, installs that do or do not resolve.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/apt-install
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
failures=0

# Stand-ins. STANDIN_UPDATE_FAILS: how many updates fail on one index;
# STANDIN_PLAIN / STANDIN_PINNED: exit status of an install without / with -t.
mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'STANDIN'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STANDIN_LOG"
args=" $* "
if [[ $args == *" update "* ]]; then
  n=$(grep -c ' update' "$STANDIN_LOG")
  if [ "$n" -le "$STANDIN_UPDATE_FAILS" ]; then
    echo "Err:7 http://mirror/debian-security bookworm-security/main i386 Packages"
    echo "E: Failed to fetch http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100
  fi
  exit 0
fi
if [[ $args == *" -t "* ]]; then exit "$STANDIN_PINNED"; fi
echo "E: Unable to correct problems, you have held broken packages."
exit "$STANDIN_PLAIN"
STANDIN
cat >"$work/bin/dpkg-query" <<'STANDIN'
#!/usr/bin/env bash
for p in $STANDIN_INSTALLED; do [ "$p" = "${!#}" ] && { printf 'install ok installed'; exit 0; }; done
exit 1
STANDIN
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

# run NAME UPDATE_FAILS PLAIN PINNED INSTALLED -- ARGS: the script's status,
# stderr and the stand-in's log land in $status, $err and $log.
run() {
  export STANDIN_LOG=$work/$1.log STANDIN_UPDATE_FAILS=$2 STANDIN_PLAIN=$3 STANDIN_PINNED=$4 STANDIN_INSTALLED=$5
  shift 6
  : >"$STANDIN_LOG"
  status=0
  err=$(PATH="$work/bin:$PATH" VASTEMOR_APT_PAUSE=0 "$script" "$@" 2>&1 >/dev/null) || status=$?
  log=$(cat "$STANDIN_LOG")
}
check() {  # check DESCRIPTION CONDITION...
  local what=$1; shift
  if ! "$@"; then echo "FAIL: $what"; echo "  stderr: $err"; echo "  apt-get calls: $log"; failures=$((failures + 1)); fi
}
has() { [[ $1 == *"$2"* ]]; }
lacks() { [[ $1 != *"$2"* ]]; }

# A failing index is named, the plain install cannot resolve, the pinned one does.
run broken_index 99 100 0 "" -- wine32:i386 cmake
check "ends green" [ "$status" -eq 0 ]
check "names the failed index" has "$err" "bookworm-security/main/binary-i386/Packages.xz"
check "retries the update" [ "$(grep -c ' update' <<<"$log")" -eq 3 ]
check "pins the retry to the release" has "$log" "install -y --no-install-recommends -t $codename wine32:i386 cmake"

# Nothing resolves: the script stops with a message naming the index.
run nothing_resolves 99 100 100 "" -- wine32:i386
check "ends with an error" [ "$status" -eq 1 ]
check "says what could not be installed" has "$err" "could not install: wine32:i386"
check "names the index and what to do" has "$err" "binary-i386/Packages.xz"
check "tells to wait for the mirror" has "$err" "run the command again"

# A mirror in sync recovers on the second update; nothing is pinned.
run recovers 1 0 0 "" -- cmake
check "ends green after a recovered update" [ "$status" -eq 0 ]
check "updates twice" [ "$(grep -c ' update' <<<"$log")" -eq 2 ]
check "installs plainly" lacks "$log" " -t "
check "is silent about indexes" lacks "$err" "could not be fetched"

# Everything installed: no apt-get call, no output.
run present 0 0 0 "cmake wine32:i386" -- cmake wine32:i386
check "ends green" [ "$status" -eq 0 ]
check "calls no apt-get" [ -z "$log" ]
check "prints nothing" [ -z "$err" ]

# Everything installed but the indexes are asked for: an update only.
run update_only 0 0 0 "cmake" -- --update cmake
check "ends green" [ "$status" -eq 0 ]
check "updates" has "$log" update
check "installs nothing" lacks "$log" install

[ $failures -eq 0 ] && echo "apt-install: all cases pass"
exit $((failures > 0))
