#!/bin/sh
# Packs the Windows zip as a user gets it and checks what is in it, and that zorpi.exe needs
# no DLL but Windows' own.
# Usage: check_zip.sh BUILD_DIR OBJDUMP
set -eu
build=$1
objdump=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work" > /dev/null
zip=$(ls "$work"/zorpi-*-win64.zip) || fail "no zorpi-<version>-win64.zip"
(cd "$work" && cmake -E tar xf "$zip")
top="$work/$(basename "$zip" .zip)"
files=$(cd "$top" && find . -type f | sort | tr '\n' ' ')
[ "$files" = "./LICENSE ./README.md ./zorpi.exe ./zorpi.txt " ] || fail "zip holds: $files"
grep -q 'CONNECTION TYPES' "$top/zorpi.txt" || fail "zorpi.txt is not the manual page"

dlls=$("$objdump" -p "$top/zorpi.exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')
[ -n "$dlls" ] || fail "no imports read from zorpi.exe"
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr 'A-Z' 'a-z') in
    kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | user32.dll | advapi32.dll) ;;
    *) fail "zorpi.exe imports $dll" ;;
  esac
done
echo "zip and imports as expected: $dlls"
