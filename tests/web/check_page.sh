#!/bin/sh
# Checks the browser page in Chromium against this program at a pseudo-terminal and against
# the kept transcripts (check_page.js): the page PAGE when it is given, else one built here
# with emscripten. Exits 77, skipped, where emscripten (for a page to build), Chromium, node
# or poppler-utils (for the printed record) is missing.
# Usage: check_page.sh SOURCE_DIR WEB_BUILD_DIR PTY_REPLAY PROGRAM [PAGE]
set -eu
source=$1
build=$2
replay=$3
program=$4
page=${5:-}
tools="node chromium pdfinfo pdftotext"
[ -n "$page" ] || tools="$tools emcmake"
for tool in $tools; do
  command -v "$tool" > /dev/null 2>&1 || { echo "SKIP: $tool is missing"; exit 77; }
done
if [ ! -d "$source/web/node_modules/playwright-core" ] || [ ! -d "$source/web/node_modules/axe-core" ]; then
  (cd "$source/web" && npm ci --no-audit --no-fund)
fi
if [ -z "$page" ]; then
  mkdir -p "$build"
  emcmake cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release > "$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
  cmake --build "$build" -j2 --target zorpi_page > "$build/build.log" 2>&1 ||
    { cat "$build/build.log"; exit 1; }
  page=$build/zorpi.html
fi
exec node "$source/tests/web/check_page.js" "$page" "$replay" "$program" \
  "$source/tests/e2e/transcripts" "$(command -v chromium)"
