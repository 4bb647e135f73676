#!/bin/sh
# Writes the example program of the library's text to DIR/main.cpp, and the line the text
# says it prints to DIR/expected.
# Usage: library_example.sh LIBRARY_MD DIR
set -eu
awk '/^```cpp$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$1" > "$2/main.cpp"
sed -n 's/^It prints `\(.*\)`\.$/\1/p' "$1" > "$2/expected"
[ -s "$2/main.cpp" ] && [ -s "$2/expected" ] || { echo "FAIL: no example in $1" >&2; exit 1; }
