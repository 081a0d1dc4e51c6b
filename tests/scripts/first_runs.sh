#!/usr/bin/env bash
# Runs a command as Wine fails it on its first runs: the first COUNT runs
# (counted in the marker file) go as HOW says, later runs run the command
# alone. Usage: first_runs.sh marker count how command...
#   killed-after      the command's whole output, then SIGKILL (Wine's server
#                     ending a program slow to leave)
#   killed-midway     the command's first line, then SIGKILL
#   not-started       what Wine's start program prints when its hand-over to
#                     a second process fails, status 1; the command never runs
#   first-line-fails  the command's first line, then status 1
set -u
marker=$1
count=$2
how=$3
shift 3
mkdir -p "$(dirname "$marker")"
runs=$(cat "$marker" 2>/dev/null || echo 0)
echo $((runs + 1)) >"$marker"
[ "$runs" -lt "$count" ] || exec "$@"
first_line() {
  local output
  output=$("$@" 2>&1)
  printf '%s\n' "${output%%$'\n'*}"
}
case $how in
  killed-after) "$@" ;;
  killed-midway) first_line "$@" ;;
  not-started)
    echo "Application could not be started, or no application associated with the specified file."
    echo "ShellExecuteEx failed: Internal error."
    exit 1
    ;;
  first-line-fails)
    first_line "$@"
    exit 1
    ;;
esac
kill -KILL $$
