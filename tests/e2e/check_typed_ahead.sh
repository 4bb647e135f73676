#!/bin/sh
# At a terminal drawn by tmux (on a socket of its own), a line typed or pasted ahead without
# its line end, edited there: each row below starts the program (alone, through a pipe, or
# from an interactive shell with job control), pastes and types its steps, then asks for w.
# The value the row's prompt shows on its last line and the value w lists must both be the
# row's. Rows name where they apply: Linux, Windows (wine's console) or both. Exits 77,
# skipped, without tmux.
# Usage: check_typed_ahead.sh COMMAND...
set -u
command -v tmux > /dev/null 2>&1 || { echo "SKIP: tmux is missing"; exit 77; }
socket=zorpi-typed-ahead-$$
tmux() { command tmux -L "$socket" "$@"; }
trap 'tmux kill-server 2> /dev/null' EXIT
case "$*" in *.exe*) platform=windows ;; *) platform=linux ;; esac
failed=0

# Waits up to LIMIT seconds (20) until the screen shows TEXT on COUNT lines (1).
shows() {
  tries=0
  until [ "$(tmux capture-pane -p -J -S -200 2> /dev/null | grep -cF -- "$1")" -ge "${2:-1}" ]; do
    tries=$((tries + 1))
    [ "$tries" -lt $((${3:-20} * 10)) ] || return 1
    sleep 0.1
  done
}

# The number after the last PROMPT on the screen, with the lines below that hold only number
# text: a long line wraps, and wine's console breaks it into lines of its own.
valueAfter() {
  tmux capture-pane -p -J -S -200 | awk -v prompt="^$1" '
    $0 ~ prompt { sub(prompt, ""); value = $0; open = 1; next }
    open && /^[0-9 .eE+-]*$/ { value = value $0; next }
    { open = 0 }
    END { gsub(/^ +/, "", value); sub(/ .*/, "", value); print value }'
}

# row NAME WHERE PROMPT LISTED VALUE STEP...: STEP is paste:TEXT (printf's escapes), key:KEY
# (tmux's name), wait:TEXT, on3:TEXT (on 3 lines), quick:TEXT (within 2 s), start:alone,
# start:pipe (through a pipe to a slow reader) or start:shell (the program run from bash),
# which starts it first.
row() {
  name=$1 where=$2 prompt=$3 listed=$4 value=$5
  shift 5
  case "$where" in both | "$platform") ;; *) return ;; esac
  tmux kill-server 2> /dev/null
  socket=$socket-next
  for step in "$@"; do
    case "$step" in
      start:alone) tmux new-session -d -x 100 -y 60 "$PROGRAM; sleep 60" ;;
      start:pipe) tmux new-session -d -x 100 -y 60 "$PROGRAM | $slowReader; sleep 60" ;;
      start:shell)
        tmux new-session -d -x 100 -y 60 "bash --norc --noprofile"
        tmux send-keys -l "$PROGRAM"
        tmux send-keys Enter ;;
      paste:*) tmux send-keys -l "$(printf "${step#paste:}")" ;;
      key:*) tmux send-keys "${step#key:}" ;;
      wait:*) shows "${step#wait:}" ;;
      on[0-9]:*) shows "${step#on?:}" "$(echo "$step" | cut -c3)" ;;
      quick:*) shows "${step#quick:}" 1 2 ;;
    esac || { echo "FAIL: $name: no '${step#*:}' on the screen"; failed=1; return; }
    case "$step" in start:*) shows "F8 q Exit" || { echo "FAIL: $name: no menu"; failed=1; return; } ;; esac
  done
  tmux send-keys -l w
  shows "weiter mit bel.Taste" || { echo "FAIL: $name: no listing"; failed=1; return; }
  shown=$(valueAfter "$prompt")
  list=$(valueAfter "$listed")
  if awk -v a="$shown" -v b="$list" -v c="$value" 'BEGIN { exit !(a + 0 == c && b + 0 == c) }'; then
    echo "ok: $name: the prompt shows $(echo "$shown" | cut -c1-20), w lists $list"
  else
    echo "FAIL: $name: the prompt shows '$shown', w lists '$list', both should be $value"
    failed=1
  fi
}

PROGRAM=$*
# A pipe's reader that passes on what it takes five times a second.
slowReader="sh -c 'while sleep 0.2; do dd bs=65536 count=1 status=none iflag=nonblock; done'"
p0='p0 \[N\/mm2\]='
taper='wait:DA [mm]'
fill='paste:1 1 1 1'
row "pasted 12, then typed 5" both "$p0" 'p0=' 125 start:alone 'paste:c\r12' \
  'wait:p0 [N/mm2]= 12' paste:5 key:Enter "$taper" "$fill" key:Enter
row "pasted 12, then two erases and 5" both "$p0" 'p0=' 5 start:alone 'paste:c\r12' \
  'wait:p0 [N/mm2]= 12' 'paste:\177\1775' key:Enter "$taper" "$fill" key:Enter
row "an erase pasted within 12" both "$p0" 'p0=' 13 start:alone 'paste:c\r12\1773' \
  'wait:p0 [N/mm2]= 13' key:Enter "$taper" "$fill" key:Enter
row "pasted 12, then Ctrl-W and 5" linux "$p0" 'p0=' 5 start:alone 'paste:c\r12' \
  'wait:p0 [N/mm2]= 12' key:C-w paste:5 key:Enter "$taper" "$fill" key:Enter
row "Enter and Ctrl-D together" linux "$p0" 'p0=' 125 start:alone paste:a 'wait:Typ=' \
  'paste:1\r' 'on2:F8 q Exit' 'paste:c\r12' 'wait:p0 [N/mm2]= 12' 'paste:5\r\004' \
  'on2:F4 d Beanspruchung'
row "through a pipe" linux "$p0" 'p0=' 125 start:pipe 'paste:c\r12' 'wait:p0 [N/mm2]= 12' \
  paste:5 key:Enter "$taper" "$fill" key:Enter
row "Ctrl-Z and fg" linux 'D \[mm\]=' 'D  =' 123 start:shell 'paste:e\r40\r12' \
  'wait:D [mm]= 12' key:C-z wait:Stopped paste:fg key:Enter 'on2:D [mm]= 12' paste:3 \
  key:Enter 'wait:L [mm]' 'paste:70 96500 0.11' key:Enter 'on2:F8 q Exit'
row "the rest of a line ended with Ctrl-D" linux "$p0" 'p0=' 1505 start:alone paste:a \
  'wait:Typ=' 'paste:1\r' 'on2:F8 q Exit' paste:b 'wait:T [Nm]=' 'paste:100 150' key:C-d \
  'on2:F4 d Beanspruchung' paste:c 'wait:p0 [N/mm2]= 150' paste:5 key:Enter \
  'on3:F4 d Beanspruchung'
row "a paste over 4 KB" windows "$p0" 'p0=' 123 start:alone \
  "paste:c\\r$(printf '%4093s' '')123\\r" "$taper" "$fill" key:Enter
row "a line of 4 KB pasted ahead" both "$p0" 'p0=' 123 start:alone \
  "paste:c\\r$(printf '%03997d' 123)" quick:0123 key:Enter "$taper" "$fill" key:Enter
exit $failed
