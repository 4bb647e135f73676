#!/bin/sh
# Runs PROGRAM through the windowless launcher (a console nobody sees) on the kept script
# NAME.in and compares its screen with NAME.out and its status with 113.
# Usage: check_windowless.sh TRANSCRIPT_DIR NAME LAUNCHER PROGRAM [EMULATOR...]
set -u
dir=$1
name=$2
launcher=$3
program=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The launcher ends the program after a minute: with its keys read from the console nobody
# sees, it would wait for ever.
setsid -w "$@" "$launcher" "$program" "$dir/$name.in" "$work/$name.out" < /dev/null
status=$?
[ "$status" -eq 113 ] || { echo "FAIL: ended with $status, not 113" >&2; exit 1; }
cmp "$dir/$name.out" "$work/$name.out" || { echo "FAIL: the screen differs" >&2; exit 1; }
echo "$name as kept, with its keys from standard input"
