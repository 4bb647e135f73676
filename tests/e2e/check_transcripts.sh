#!/bin/sh
# Runs the built program with no terminal on each kept script NAME.in and compares its screen
# with NAME.out byte for byte, and its exit status with 113. The same files serve every
# platform, so a transcript is the same everywhere.
# Usage: check_transcripts.sh TRANSCRIPT_DIR [EMULATOR...] PROGRAM
set -eu
dir=$1
shift
checked=0
for script in "$dir"/*.in; do
  sh "$(dirname "$0")/../support/check_kept_script.sh" "${script%.in}" "$@"
  checked=$((checked + 1))
done
[ "$checked" -ge 2 ] || { echo "FAIL: only $checked transcripts in $dir" >&2; exit 1; }
echo "$checked transcripts as kept"
