#!/usr/bin/env bash
# Runs the interactive example host in a tmux pane of 100 x 40 and uses it
# with the keyboard: Tab to the calendar button of "Created after", Enter to
# open the calendar, Tab and Right to day 3, Enter to pick it, Tab until OK
# has the focus, Enter; the field then shows 06/03/2025. Esc closes the form
# and the program ends with status 0.
#   tmux_demo_test.sh PROGRAM
# Exit status 77 (skipped) when tmux is not installed.
set -uo pipefail
program=$1
command -v tmux >/dev/null || { echo "tmux is not installed: skipped"; exit 77; }

socket="vok_demo_test_$$"
pane="demo"
status_file=$(mktemp)
socket_path=""
tmux_() { tmux -L "$socket" "$@"; }
cleanup() {
  tmux_ kill-server 2>/dev/null
  rm -f "$status_file" ${socket_path:+"$socket_path"}
}
trap cleanup EXIT

screen() { tmux_ capture-pane -p -t "$pane" "$@"; }
fail() {
  echo "FAILED: $1" >&2
  echo "--- the screen:" >&2
  screen >&2
  exit 1
}

# Waits until the screen holds text (grep -E pattern), at most 10 seconds.
wait_for() {
  for _ in $(seq 100); do
    screen | grep -qE -- "$1" && return 0
    sleep 0.1
  done
  fail "the screen never showed: $1"
}

wait_without() {
  for _ in $(seq 100); do
    screen | grep -qE -- "$1" || return 0
    sleep 0.1
  done
  fail "the screen still shows: $1"
}

# True when the OK button is drawn in reverse video, as the focus is.
ok_has_focus() {
  screen -e | grep -qE $'\e\\[([0-9;]*;)?7(;[0-9;]*)?m(\e\\[[0-9;]*m)*\\[OK\\]'
}

# Presses Tab, one key at a time after the screen has settled, until OK
# has the focus.
tab_to_ok() {
  for _ in $(seq 60); do
    ok_has_focus && return 0
    local before
    before=$(screen -e)
    tmux_ send-keys -t "$pane" Tab
    for _ in $(seq 50); do
      [ "$(screen -e)" != "$before" ] && break
      sleep 0.05
    done
  done
  fail "Tab never brought the focus to OK"
}

# The program's exit status goes to a file when it ends.
tmux_ new-session -d -s "$pane" -x 100 -y 40 \
  "env -u LC_ALL -u LC_TIME LANG=en_US.UTF-8 '$program' --today 2025-06-15; echo \$? >'$status_file'" ||
  fail "tmux did not start"
socket_path=$(tmux_ display-message -p '#{socket_path}')

wait_for "Find documents"
tmux_ send-keys -t "$pane" Tab Enter
wait_for "Choose a date"
tmux_ send-keys -t "$pane" Tab Tab Right Right Enter
wait_for "› 3‹"
tab_to_ok
tmux_ send-keys -t "$pane" Enter
wait_without "Choose a date"
wait_for "Created after +06/03/2025"

tmux_ send-keys -t "$pane" Escape
for _ in $(seq 100); do
  [ -s "$status_file" ] && break
  sleep 0.1
done
[ -s "$status_file" ] || fail "Esc did not end the program"
[ "$(cat "$status_file")" = 0 ] || fail "the program ended with status $(cat "$status_file")"
echo "passed"
