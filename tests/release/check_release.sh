#!/bin/sh
# Runs the release command into a fresh folder and uses what it makes as their users would:
# the five files are there and match their checksums, and each form, unpacked, runs the kept
# taper script to the kept screen: the Debian package's and the static program (which must be
# statically linked) here, the Windows zip's under wine, the page in Chromium.
# Usage: check_release.sh SOURCE_DIR
set -eu
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
transcripts=$source/tests/e2e/transcripts

"$source/tools/release" "$work/dist" > "$work/release.log" 2>&1 ||
  { cat "$work/release.log"; fail "tools/release failed"; }
version=$(sed -n 's/^project(zorpi VERSION \([0-9.]*\) .*/\1/p' "$source/CMakeLists.txt")
cd "$work/dist"
for file in "zorpi_${version}_amd64.deb" "zorpi-$version-x86_64-linux.tar.gz" \
            "zorpi-$version-win64.zip" "zorpi-$version.html" SHA256SUMS; do
  [ -f "$file" ] || fail "not made: $file"
done
[ "$(ls | wc -l)" -eq 5 ] || fail "more than the five files: $(ls)"
sha256sum --quiet -c SHA256SUMS || fail "checksums do not match"
[ "$(wc -l < SHA256SUMS)" -eq 4 ] || fail "SHA256SUMS does not cover the four files"

# The kept taper script with no terminal: the kept screen and status 113.
taper() {
  sh "$source/tests/support/check_kept_script.sh" "$transcripts/kegel" "$@" || fail "$*"
}

dpkg-deb -x "zorpi_${version}_amd64.deb" "$work/deb"
taper "$work/deb/usr/bin/zorpi"

tar -C "$work" -xzf "zorpi-$version-x86_64-linux.tar.gz"
linux=$work/zorpi-$version-x86_64-linux
for file in zorpi zorpi.1 README.md LICENSE; do
  [ -f "$linux/$file" ] || fail "not in the tarball: $file"
done
file "$linux/zorpi" | grep -q 'statically linked' || fail "not static: $(file "$linux/zorpi")"
taper "$linux/zorpi"

(cd "$work" && cmake -E tar xf "$work/dist/zorpi-$version-win64.zip")
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
taper env WINEDEBUG=-all "$wine" "$work/zorpi-$version-win64/zorpi.exe"

node "$source/tests/web/check_page.js" "zorpi-$version.html" - - "$transcripts" \
  "$(command -v chromium)" > "$work/page.log" 2>&1 || { cat "$work/page.log"; fail "the page"; }
echo "release $version: five files, checksums good, each form runs the taper example"
