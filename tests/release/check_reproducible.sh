#!/bin/sh
# Makes the release twice, from two clones of this checkout's last commit at different paths
# and at different times, and compares the files: the same sources must give the same bytes.
# Too slow for every CI run; run it before a release.
# Usage: check_reproducible.sh [SOURCE_DIR]
set -eu
source=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for place in first/clone second/elsewhere/clone; do
  git clone --quiet "$source" "$work/$place"
  "$work/$place/tools/release" "$work/$place/dist" > "$work/release.log" 2>&1 ||
    { cat "$work/release.log"; echo "FAIL: tools/release failed in $place" >&2; exit 1; }
  sleep 2  # a second later, so that no time of the build can agree by chance
done
if ! cmp "$work/first/clone/dist/SHA256SUMS" "$work/second/elsewhere/clone/dist/SHA256SUMS"; then
  diff "$work/first/clone/dist/SHA256SUMS" "$work/second/elsewhere/clone/dist/SHA256SUMS" >&2
  echo "FAIL: the two releases differ" >&2
  exit 1
fi
cat "$work/first/clone/dist/SHA256SUMS"
echo "the release is reproducible: two builds, the same files"
