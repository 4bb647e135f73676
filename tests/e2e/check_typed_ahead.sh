#!/bin/sh
# At a terminal drawn by tmux (on a socket of its own): pastes c, a line break and 12 at the
# menu, then types 5 and Enter, or two erases, 5 and Enter; then 1 1 1 1, Enter and w. The
# prompt line as the screen shows it and the value w lists must agree: 125, and 5. Exits 77,
# skipped, without tmux.
# Usage: check_typed_ahead.sh COMMAND...
set -u
command -v tmux > /dev/null 2>&1 || { echo "SKIP: tmux is missing"; exit 77; }
socket=zorpi-typed-ahead-$$
tmux() { command tmux -L "$socket" "$@"; }
trap 'tmux kill-server 2> /dev/null' EXIT
failed=0

# Waits up to 20 s until the screen shows TEXT, or shows it on COUNT lines.
shows() {
  tries=0
  until [ "$(tmux capture-pane -p -S -100 2> /dev/null | grep -cF -- "$1")" -ge "${2:-1}" ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 200 ] || return 1
    sleep 0.1
  done
}

check() {  # check COMMAND...: $typed after the paste must give $shown
  tmux kill-server 2> /dev/null
  socket=$socket-next
  tmux new-session -d -x 100 -y 60 "$*; sleep 60"
  shows "F8 q Exit" || { echo "FAIL: no menu"; failed=1; return; }
  tmux send-keys -l "$(printf 'c\r12')"
  shows "p0 [N/mm2]= 12" || { echo "FAIL: the 12 pasted ahead is not shown"; failed=1; return; }
  tmux send-keys -l "$(printf "$typed")"
  tmux send-keys Enter
  shows "DA [mm]" || { echo "FAIL: no DA after $label"; failed=1; return; }
  tmux send-keys -l "1 1 1 1"
  tmux send-keys Enter
  shows "F8 q Exit" 2
  tmux send-keys -l w
  shows "p0= " || { echo "FAIL: no listing"; failed=1; return; }
  screen=$(tmux capture-pane -p -S -100)
  prompt=$(printf '%s\n' "$screen" | sed -n 's/^p0 \[N\/mm2\]= \(.*[^ ]\) *$/\1/p')
  listed=$(printf '%s\n' "$screen" | sed -n 's/^p0= \(.*\) \[N\/mm2\]$/\1/p')
  if [ "$prompt" = "$shown" ] && [ "$listed" = "$shown" ]; then
    echo "ok: pasted 12, then typed $label: the prompt shows $prompt, w lists $listed"
  else
    echo "FAIL: pasted 12, then typed $label: the prompt shows '$prompt', w lists '$listed'," \
      "both should be $shown"
    failed=1
  fi
}

typed=5 label=5 shown=125 check "$@"
typed='\177\1775' label='two erases and 5' shown=5 check "$@"
exit $failed
