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
[ "$files" = "./LICENSE.txt ./README.txt ./zorpi.exe " ] || fail "zip holds: $files"
# Texts for Notepad and cmd's `type`: plain ASCII, every line ended by CRLF, nothing of Linux.
cr=$(printf '\r')
tab=$(printf '\t')
for text in README.txt LICENSE.txt; do
  LC_ALL=C grep -q "[^ -~$tab$cr]" "$top/$text" && fail "$text is not plain ASCII"
  [ "$(grep -c "$cr\$" "$top/$text")" -eq "$(wc -l < "$top/$text")" ] ||
    fail "$text has lines without CRLF"
done
grep -q 'ZORPI for Windows' "$top/README.txt" || fail "README.txt is not the Windows text"
grep -q 'PowerShell' "$top/README.txt" && grep -q 'cmd' "$top/README.txt" ||
  fail "README.txt lacks scripted use from cmd or PowerShell"
grep -qwE 'setsid|fg|SIGINT|apt-get' "$top/README.txt" && fail "README.txt speaks Linux"

dlls=$("$objdump" -p "$top/zorpi.exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')
[ -n "$dlls" ] || fail "no imports read from zorpi.exe"
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr 'A-Z' 'a-z') in
    kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | user32.dll | advapi32.dll) ;;
    *) fail "zorpi.exe imports $dll" ;;
  esac
done
echo "zip and imports as expected: $dlls"
