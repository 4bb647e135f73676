#!/bin/sh
# Writes each example program of the library's text to DIR/exampleN.cpp, and the line the text
# says it prints, right after it, to DIR/exampleN.expected.
# Usage: library_example.sh LIBRARY_MD DIR
set -eu
awk -v dir="$2" '
  /^```cpp$/ { inside = 1; count++; next }
  /^```$/ { inside = 0 }
  inside { print > (dir "/example" count ".cpp") }
  /^It prints `.*`\.$/ { line = $0; sub(/^It prints `/, "", line); sub(/`\.$/, "", line)
                         print line > (dir "/example" count ".expected") }
' "$1"
for program in "$2"/example*.cpp; do
  [ -s "${program%.cpp}.expected" ] || { echo "FAIL: $program has no line it prints" >&2; exit 1; }
done
[ -e "$2/example3.cpp" ] || { echo "FAIL: not three examples in $1" >&2; exit 1; }
