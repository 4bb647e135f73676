#!/bin/sh
# Runs COMMAND with no terminal (a session of its own, no terminal on any descriptor) on the
# kept script NAME.in and fails unless it shows NAME.out byte for byte and ends with 113.
# Usage: check_kept_script.sh TRANSCRIPT_DIR/NAME COMMAND...
set -u
kept=$1
shift
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
setsid -w "$@" < "$kept.in" > "$out" 2> "$err" || status=$?
if [ "$status" -ne 113 ]; then
  echo "FAIL: $(basename "$kept") ended with $status, not 113: $*" >&2
  cat "$err" >&2
  exit 1
fi
cmp "$kept.out" "$out" >&2 ||
  { echo "FAIL: $(basename "$kept"): the screen differs from the kept one: $*" >&2; exit 1; }
