#!/usr/bin/env bash
# Runs a command as Wine's server ends a program slow to leave: the first run
# (no marker file yet) is ended with SIGKILL, after the command's whole output
# ("after") or before the command starts ("before"); later runs run the
# command alone. Usage: killed_once.sh marker after|before command...
set -u
marker=$1
when=$2
shift 2
if [ -e "$marker" ]; then
  exec "$@"
fi
mkdir -p "$(dirname "$marker")"
touch "$marker"
if [ "$when" = after ]; then
  "$@"
fi
kill -KILL $$
