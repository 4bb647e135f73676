#!/bin/sh
# Installs the build tree, packs the Debian packages, and uses them as a newcomer would: the
# installed and the unpacked program run the taper example with no terminal, the examples of
# the library's text and a program that checks what the library promises build against the
# installed library with CMake and with plain g++ and pkg-config and print what they should,
# and the README's uninstall line leaves nothing behind.
# Usage: check_package.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The kept taper script with no terminal: the kept screen and status 113.
taper() {
  sh "$source/tests/support/check_kept_script.sh" "$source/tests/e2e/transcripts/kegel" "$1" ||
    fail "$1"
}

cmake --install "$build" --prefix "$work/prefix" > /dev/null
for file in bin/zorpi share/man/man1/zorpi.1 share/doc/zorpi/README.md \
            share/doc/zorpi/copyright share/doc/zorpi/changelog \
            share/doc/libzorpi-calc-dev/library.md include/zorpi/zorpi.h include/zorpi/version.h \
            include/zorpi/model/connection_record.h include/zorpi/calc/check.h \
            include/zorpi/calc/kegel.h include/zorpi/calc/klemm.h \
            include/zorpi/calc/form_fit.h include/zorpi/calc/allowable_pressure.h \
            lib/libzorpi_calc.a lib/cmake/zorpi/zorpiConfig.cmake lib/pkgconfig/zorpi-calc.pc; do
  [ -f "$work/prefix/$file" ] || fail "not installed: $file"
done
[ ! -e "$work/prefix/include/zorpi/console" ] || fail "console headers installed"
grep -qx 'License: Expat' "$work/prefix/share/doc/zorpi/copyright" || fail "installed copyright is not Expat"
warnings=$(groff -ww -z -man "$work/prefix/share/man/man1/zorpi.1" 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"
taper "$work/prefix/bin/zorpi"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" > /dev/null
deb=$(ls "$work"/pkg/zorpi_*_*.deb) || fail "no zorpi_<version>_<arch>.deb"
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/zorpi ./usr/share/man/man1/zorpi.1.gz ./usr/share/doc/zorpi/README.md \
            ./usr/share/doc/zorpi/copyright ./usr/share/doc/zorpi/changelog.gz; do
  printf '%s\n' "$contents" | grep -q " $file\$" || fail "not in the package: $file"
done
printf '%s\n' "$contents" | grep -q '/include/' && fail "headers in the program's package"
dev=$(ls "$work"/pkg/libzorpi-calc-dev_*_*.deb) || fail "no libzorpi-calc-dev_<version>_<arch>.deb"
for file in ./usr/include/zorpi/calc/kegel.h ./usr/lib/libzorpi_calc.a \
            ./usr/lib/pkgconfig/zorpi-calc.pc ./usr/lib/cmake/zorpi/zorpiConfig.cmake \
            ./usr/share/doc/libzorpi-calc-dev/library.md; do
  dpkg-deb -c "$dev" | grep -q " $file\$" || fail "not in the library's package: $file"
done
dpkg-deb -f "$deb" Depends | grep -q 'libc6' || fail "no computed dependency on libc6"
dpkg-deb -x "$deb" "$work/root"
grep -qx 'License: Expat' "$work/root/usr/share/doc/zorpi/copyright" || fail "package copyright is not Expat"
taper "$work/root/usr/bin/zorpi"

mkdir "$work/example"
cp "$source/tests/package/consumer/CMakeLists.txt" "$source/tests/package/consumer/library_facts.cpp" \
  "$work/example/"
sh "$source/tests/support/library_example.sh" "$work/prefix/share/doc/libzorpi-calc-dev/library.md" \
  "$work/example"
version=$(sed -n 's/^project(zorpi VERSION \([0-9.]*\) .*/\1/p' "$source/CMakeLists.txt")
printf '%s\n' "p = 83.3333, pzul = 70, problems: none, taper: none, i = 3: i, t1 = 9: t1, zeros: yes, version: $version" \
  > "$work/example/library_facts.expected"
cmake -S "$work/example" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" > /dev/null
cmake --build "$work/consumer" > /dev/null
# The same programs from any build system: g++ and pkg-config alone.
flags=$(PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig" pkg-config --cflags --libs zorpi-calc) ||
  fail "pkg-config does not find zorpi-calc"
for program in "$work"/example/*.cpp; do
  name=$(basename "$program" .cpp)
  expected=$(cat "$work/example/$name.expected")
  [ "$("$work/consumer/$name")" = "$expected" ] || fail "CMake consumer $name: $("$work/consumer/$name")"
  # shellcheck disable=SC2086  # the flags are words
  g++ -std=c++17 -o "$work/plain-$name" "$program" $flags
  [ "$("$work/plain-$name")" = "$expected" ] || fail "pkg-config consumer $name: $("$work/plain-$name")"
done

# The README's uninstall line, run on this prefix's manifest: no file and no folder is left.
uninstall=$(sed -n 's/^    \(xargs rm -f < build\/install_manifest.txt.*\)$/\1/p' \
  "$source/README.md")
[ -n "$uninstall" ] || fail "no uninstall line in the README"
cmake --install "$build" --prefix "$work/prefix" > /dev/null
mkdir "$work/build"
cp "$build/install_manifest.txt" "$work/build/"
(cd "$work" && sh -c "$uninstall")
left=$(find "$work/prefix" -mindepth 1 2> /dev/null | head -3)
[ -z "$left" ] || fail "left after uninstalling: $left"
echo "install, package and consumer: all as expected"
