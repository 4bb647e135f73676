#!/bin/sh
# Runs the built program with no terminal on each kept script NAME.in and compares its screen
# with NAME.out byte for byte, and its exit status with 113. The same files serve every
# platform, so a transcript is the same everywhere.
# Usage: check_transcripts.sh TRANSCRIPT_DIR [EMULATOR...] PROGRAM
set -eu
dir=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
checked=0
for script in "$dir"/*.in; do
  name=$(basename "$script" .in)
  status=0
  # A session of its own and no terminal on any descriptor: no keyboard, for wine too.
  setsid -w "$@" < "$script" > "$work/$name.out" 2> "$work/$name.err" || status=$?
  if [ "$status" -ne 113 ]; then
    echo "FAIL: $name ended with $status, not 113" >&2
    cat "$work/$name.err" >&2
    exit 1
  fi
  if ! cmp "$dir/$name.out" "$work/$name.out" >&2; then
    echo "FAIL: $name: the screen differs from the kept transcript" >&2
    exit 1
  fi
  checked=$((checked + 1))
done
[ "$checked" -ge 2 ] || { echo "FAIL: only $checked transcripts in $dir" >&2; exit 1; }
echo "$checked transcripts as kept"
