#!/bin/sh
# Runs the release command into a fresh folder and uses what it makes as their users would:
# the eight files are there and match their checksums; lintian finds no error, no warning and
# no hardening tag in either Debian package; each form of the program, unpacked, runs the
# kept taper script to the kept screen (the Debian package's and the static program, which
# must be a static PIE, here; the Windows zip's under wine; the page in Chromium); the
# library's examples and a program that checks what it promises build against the unpacked
# tarball with pkg-config alone and with nothing but its include/ and library, and, as root,
# against the -dev package installed, with pkg-config and CMake; the Python module, installed
# from a fresh clone, the source distribution and the wheel into fresh virtual environments
# without an index, gives the README's clamp, is a Python record, raises what check() finds,
# has its version, and calculates what each formula of doc/help.md says.
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
wheel=zorpi-$version-cp311-cp311-linux_x86_64.whl
sdist=zorpi-$version.tar.gz
cd "$work/dist"
for file in "$deb" "$dev" "$tarball.tar.gz" "zorpi-$version-win64.zip" "zorpi-$version.html" \
            "$wheel" "$sdist" SHA256SUMS; do
  [ -f "$file" ] || fail "not made: $file"
done
[ "$(ls | wc -l)" -eq 8 ] || fail "more than the eight files: $(ls)"
sha256sum --quiet -c SHA256SUMS || fail "checksums do not match"
[ "$(wc -l < SHA256SUMS)" -eq 7 ] || fail "SHA256SUMS does not cover the seven files"
unzip -p "$wheel" "zorpi-$version.dist-info/WHEEL" | grep -q '^Generator: bdist_wheel' ||
  fail "the wheel is not made the standard way"

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
cp "$source/tests/package/consumer/CMakeLists.txt" "$source/tests/package/consumer/library_facts.cpp" \
  "$work/example/"
printf '%s\n' "p = 83.3333, pzul = 70, problems: none, taper: none, i = 3: i, t1 = 9: t1, zeros: yes, version: $version" \
  > "$work/example/library_facts.expected"
# consumers NAME PROGRAMS FLAGS...: builds each of the programs (a glob in example/) with the
# flags and runs it. The text's examples are built once, the program that checks the
# library's promises each way it can be reached.
consumers() {
  name=$1
  programs=$2
  shift 2
  for program in "$work"/example/$programs.cpp; do
    built=$work/$name-$(basename "$program" .cpp)
    g++ -std=c++17 -o "$built" "$program" "$@" || fail "$name: $program does not build"
    [ "$("$built")" = "$(cat "${program%.cpp}.expected")" ] || fail "$name: $("$built")"
  done
}
flags=$(PKG_CONFIG_PATH="$linux/lib/pkgconfig" pkg-config --cflags --libs zorpi-calc) ||
  fail "pkg-config does not find zorpi-calc in the tarball"
# shellcheck disable=SC2086  # the flags are words
consumers tarball-pkg-config '*' $flags
consumers tarball-include-only library_facts "-I$linux/include" "$linux/lib/libzorpi_calc.a"
if [ "$(id -u)" -eq 0 ]; then
  # The -dev package installed for real: plain system paths, found by both build systems.
  dpkg -i "$dev" > /dev/null || fail "the -dev package does not install"
  trap 'dpkg -r libzorpi-calc-dev > /dev/null 2>&1; rm -rf "$work"' EXIT
  flags=$(pkg-config --cflags --libs zorpi-calc)
  # shellcheck disable=SC2086  # the words, without pkg-config's trailing blank
  [ "$(echo $flags)" = "-lzorpi_calc" ] || fail "the -dev package's pkg-config says: $flags"
  consumers dev-pkg-config library_facts -lzorpi_calc
  cmake -S "$work/example" -B "$work/dev-cmake" > /dev/null || fail "CMake finds no zorpi"
  cmake --build "$work/dev-cmake" --target library_facts > /dev/null ||
    fail "the CMake consumer does not build"
  [ "$("$work/dev-cmake/library_facts")" = "$(cat "$work/example/library_facts.expected")" ] ||
    fail "dev-cmake: $("$work/dev-cmake/library_facts")"
  dpkg -r libzorpi-calc-dev > /dev/null
else
  echo "not root: the -dev package is not installed and tried"
fi

# The Python module in fresh virtual environments of Debian's Python, with its setuptools and
# pybind11 and no index to ask: from a fresh clone, the source distribution and the wheel.
python_module() {  # python_module NAME WHAT
  /usr/bin/python3 -m venv --system-site-packages "$work/venv-$1"
  "$work/venv-$1/bin/pip" install --quiet --no-build-isolation --no-index "$2" > "$work/pip.log" 2>&1 ||
    { cat "$work/pip.log"; fail "$1: the module does not install"; }
  (cd "$work" && "$work/venv-$1/bin/python" "$source/tests/python/check_module.py" "$version") ||
    fail "$1: the module"
}
git clone --quiet "$source" "$work/clone"
python_module clone "$work/clone"
python_module sdist "$work/dist/$sdist"
python_module wheel "$work/dist/$wheel"
(cd "$work" && "$work/venv-wheel/bin/python" "$source/tests/python/check_formulas.py") ||
  fail "the formulas of doc/help.md are not what the module calculates"
(cd "$work" && "$work/venv-wheel/bin/python" -m doctest "$source/doc/library.md") ||
  fail "the Python example of doc/library.md"

(cd "$work" && cmake -E tar xf "$work/dist/zorpi-$version-win64.zip")
windows=$work/zorpi-$version-win64
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
taper env WINEDEBUG=-all "$wine" "$windows/zorpi.exe"
node "$source/tests/web/check_page.js" "zorpi-$version.html" - - "$transcripts" \
  "$(command -v chromium)" > "$work/page.log" 2>&1 || { cat "$work/page.log"; fail "the page"; }
echo "release $version: eight files, checksums good, lintian clean, each form runs the taper" \
  "example, the library's programs build from the tarball and the -dev package, the Python" \
  "module installs from a clone, the source distribution and the wheel, and calculates"
