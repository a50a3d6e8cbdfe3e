#!/usr/bin/env bash
# Records what a person does in the interactive example host (--record)
# and replays the record without a terminal (--script): the replay's last
# picture is the form as the terminal showed it at the end. The person
# opens a calendar, moves the day with the keys, turns the page, clicks
# OK, types a text with blanks that Search refuses, answers the box, opens
# the other calendar, steps its year, picks its month by typing and a day
# with a double click.
#   tmux_record_test.sh PROGRAM
set -uo pipefail
export LC_ALL=C.UTF-8
program=$1
source "$(dirname "$0")/tmux_helpers.sh"
scratch=$(mktemp -d)
trap 'cleanup; rm -rf "$scratch"' EXIT
record="$scratch/record.script"

tmux_ new-session -d -s "$pane" -x 80 -y 24 \
  "env -u LC_ALL -u LC_TIME LANG=en_US.UTF-8 '$program' --today 2025-06-15 --record '$record'; echo \$? >'$status_file'" ||
  fail "tmux did not start"
socket_path=$(tmux_ display-message -p '#{socket_path}')
wait_for "Find documents"

keys Tab Enter
wait_for "Choose a date"
keys Right Down PageDown
wait_for "July"
click "[OK]"
wait_without "Choose a date"
keys Tab
tmux_ send-keys -t "$pane" -l " 1 May"
keys Tab
click "[Search]"
wait_for "Invalid date"
keys Enter
wait_without "Invalid date"
click "▾ ▦" 1 2
wait_for "Choose a date"
keys S-PageDown BTab BTab
tmux_ send-keys -t "$pane" -l "mar"
wait_for "March"
click "[12]" 2
wait_without "Choose a date"
wait_for "03/12/2026"
terminal=$(screen)

keys C-q
for _ in $(seq 100); do
  [ -s "$status_file" ] && break
  sleep 0.1
done
[ "$(cat "$status_file" 2>/dev/null)" = 0 ] || fail "the program did not end with status 0"

replay=$(env -u LC_ALL -u LC_TIME LANG=en_US.UTF-8 "$program" --today 2025-06-15 --script "$record" </dev/null) ||
  fail "the replay failed; the record:
$(cat "$record")"
# The last picture: the lines after the last "== line" heading.
mapfile -t picture < <(awk '/^== / {n = 0; delete kept; next} {kept[n++] = $0} END {for (i = 0; i < n; i++) print kept[i]}' <<<"$replay")
mapfile -t shown <<<"$terminal"

# The picture's first line on the terminal's screen fixes where the rest
# must stand.
top=-1 column=0
for i in "${!shown[@]}"; do
  if [[ ${shown[i]} == *"${picture[0]}"* ]]; then
    before=${shown[i]%%"${picture[0]}"*}
    top=$i column=${#before}
    break
  fi
done
mismatch() {
  echo "FAILED: the replay does not end on the terminal's screen ($1)" >&2
  printf -- '--- the record:\n%s\n--- the terminal showed:\n%s\n--- the replay ended on:\n' \
    "$(cat "$record")" "$terminal" >&2
  printf '%s\n' "${picture[@]}" >&2
  exit 1
}
((top >= 0)) || mismatch "its first line is not on the screen"
for k in "${!picture[@]}"; do
  [ "${shown[top + k]:column:${#picture[k]}}" = "${picture[k]}" ] || mismatch "line $((k + 1))"
done
grep -qx 'type RecentDates " 1 May"' "$record" || mismatch "the typed text is not recorded as typed"
echo "passed"
