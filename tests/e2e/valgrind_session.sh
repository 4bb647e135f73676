#!/bin/sh
# Runs a long scripted session of every connection type under valgrind's memcheck, with no
# terminal: any memory error or leak fails, and the program must end with status 113.
# Usage: valgrind_session.sh VALGRIND PROGRAM
set -u
valgrind=$1
program=$2
cycle='g\n \n \na\n1\nb\n250\nd\n2\ng\n \nw\n \n \na\n2\ne\n32\n38\n45\n8\n2\ng\n \na\n3\ng\n \n'
cycle="${cycle}"'a\n4\ne\n2\n40\n35\n3\n2\ng\n \na\n6\ng\n \nw\n \n \na\n5\nc\n150\n90\n1.5\n300\n350\n'
i=0
while [ $i -lt 200 ]; do
  printf "$cycle"
  i=$((i + 1))
done | setsid -w "$valgrind" -q --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
  --errors-for-leak-kinds=all --suppressions="$(dirname "$0")/valgrind.supp" "$program" > /dev/null
status=$?
if [ $status -ne 113 ]; then
  echo "expected status 113, got $status" >&2
  exit 1
fi
