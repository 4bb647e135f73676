#!/bin/sh
# Runs the release command into a fresh folder and uses what it makes as their users would:
# the six files are there and match their checksums; lintian finds no error, no warning and
# no hardening tag in either Debian package; each form of the program, unpacked, runs the
# kept taper script to the kept screen (the Debian package's and the static program, which
# must be a static PIE, here; the Windows zip's under wine; the page in Chromium); the
# library's example builds against the unpacked tarball with pkg-config alone.
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
deb=zorpi_${version}_amd64.deb
dev=libzorpi-calc-dev_${version}_amd64.deb
tarball=zorpi-$version-x86_64-linux
cd "$work/dist"
for file in "$deb" "$dev" "$tarball.tar.gz" "zorpi-$version-win64.zip" "zorpi-$version.html" \
            SHA256SUMS; do
  [ -f "$file" ] || fail "not made: $file"
done
[ "$(ls | wc -l)" -eq 6 ] || fail "more than the six files: $(ls)"
sha256sum --quiet -c SHA256SUMS || fail "checksums do not match"
[ "$(wc -l < SHA256SUMS)" -eq 5 ] || fail "SHA256SUMS does not cover the five files"

# lintian's errors (E) and warnings (W), and any hardening tag, whatever its level.
lintian --pedantic --display-info "$deb" "$dev" > "$work/lintian.log" 2>&1 || true
! grep -E '^[EW]: |hardening-' "$work/lintian.log" || fail "lintian"

taper() {
  sh "$source/tests/support/check_kept_script.sh" "$transcripts/kegel" "$@" || fail "$*"
}

dpkg-deb -x "$deb" "$work/deb"
taper "$work/deb/usr/bin/zorpi"

tar -C "$work" -xzf "$tarball.tar.gz"
linux=$work/$tarball
for file in zorpi zorpi.1 README.md LICENSE library.md include/zorpi/calc/kegel.h \
            lib/libzorpi_calc.a lib/pkgconfig/zorpi-calc.pc lib/cmake/zorpi/zorpiConfig.cmake; do
  [ -f "$linux/$file" ] || fail "not in the tarball: $file"
done
file "$linux/zorpi" | grep -q 'static-pie linked' || fail "not a static PIE: $(file "$linux/zorpi")"
taper "$linux/zorpi"
mkdir "$work/example"
sh "$source/tests/support/library_example.sh" "$linux/library.md" "$work/example"
flags=$(PKG_CONFIG_PATH="$linux/lib/pkgconfig" pkg-config --cflags --libs zorpi-calc) ||
  fail "pkg-config does not find zorpi-calc in the tarball"
# shellcheck disable=SC2086  # the flags are words
g++ -std=c++17 -o "$work/example/example" "$work/example/main.cpp" $flags
[ "$("$work/example/example")" = "$(cat "$work/example/expected")" ] ||
  fail "the library's example: $("$work/example/example")"

(cd "$work" && cmake -E tar xf "$work/dist/zorpi-$version-win64.zip")
windows=$work/zorpi-$version-win64
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
taper env WINEDEBUG=-all "$wine" "$windows/zorpi.exe"
node "$source/tests/web/check_page.js" "zorpi-$version.html" - - "$transcripts" \
  "$(command -v chromium)" > "$work/page.log" 2>&1 || { cat "$work/page.log"; fail "the page"; }
echo "release $version: six files, checksums good, lintian clean, each form runs the taper" \
  "example, the library's example builds from the tarball"
