#!/usr/bin/env bash
# Runs the interactive example host in a tmux pane of 80 x 24 and uses it
# as a person would, with keys and mouse clicks, one scenario per
# behaviour:
#   - the keys line shows how to quit; the calendar opens under its field,
#     whole on the screen, with the cursor on the chosen day, today;
#   - the chosen day follows the arrows and PageDown, today keeps its own
#     mark, and Enter accepts the day the keys chose; OK writes the day the
#     keys marked;
#   - a refused year typed before a click on OK cancels that OK;
#   - a double click on a day picks and accepts it;
#   - a filled field is selected on entry, Ctrl-U clears it; a Search that
#     refuses a long text wraps its box, names the field and drops the old
#     result;
#   - a terminal too small for the form gets a notice;
#   - Esc on the form asks first; the program ends with status 0;
#   - an unknown TERM is named on exit with status 1.
#   tmux_demo_test.sh PROGRAM
# Exit status 77 (skipped) when tmux is not installed.
source "$(dirname "$0")/tmux_helpers.sh"

# The program's exit status goes to a file when it ends.
tmux_ new-session -d -s "$pane" -x 80 -y 24 \
  "env -u LC_ALL -u LC_TIME LANG=en_US.UTF-8 '$program' --today 2025-06-15; echo \$? >'$status_file'" ||
  fail "tmux did not start"
socket_path=$(tmux_ display-message -p '#{socket_path}')

wait_for "Find documents"
screen | tail -1 | grep -q "Ctrl-Q: quit" || fail "the last line does not show the quit key"

# The calendar opens under the field, whole, the cursor on the chosen day
# (today, 15 June: both marks).
keys Tab Enter
wait_for "Choose a date"
[ "$(where '┌─ Choose a date' | cut -d' ' -f2)" -gt "$(where 'Created after' | cut -d' ' -f2)" ] ||
  fail "the calendar is not under its field"
screen | grep -q "\[OK\] \[Cancel\] │" || fail "OK and Cancel are not on the screen"
screen | grep -qE "└─+┘ *$" || fail "the calendar's bottom border is not on the screen"
focused "»15«" || fail "the cursor is not on the chosen day, today"

# Right and Down choose the day a day and a week on; today keeps its mark.
keys Right Down
focused "›23‹" || fail "Right and Down did not choose day 23"
screen | grep -q "«15»" || fail "today lost its mark"
screen | grep -q "\\[16\\]" || fail "day 16 is still chosen"
# PageDown shows July on the same day, Left chooses the day before; OK
# writes the day the keys marked.
keys PageDown Left
wait_for "July"
focused "›22‹" || fail "the choice did not follow to 22 July"
click "[OK]"
wait_without "Choose a date"
[ "$(field)" = "07/22/2025" ] || fail "OK did not write 07/22/2025"

# Enter on a day accepts the day the keys chose.
keys Enter
wait_for "Choose a date"
keys Right
focused "›23‹" || fail "Right did not choose 23 July"
keys Enter
wait_without "Choose a date"
[ "$(field)" = "07/23/2025" ] || fail "Enter did not write 07/23/2025"

# A year refused on a click on OK: the box, then the calendar stays open
# on the fallback year and the field keeps its date.
keys Enter
wait_for "Choose a date"
keys BTab 2 0 9 9
wait_for "2099"
click "[OK]"
wait_for "Invalid year"
keys Enter
wait_without "Invalid year"
wait_for "July +▾ 2025"
[ "$(field)" = "07/23/2025" ] || fail "the refused year's OK was carried out"

# A double click on a day picks it and accepts it.
click "[20]" 2
wait_without "Choose a date"
[ "$(field)" = "07/20/2025" ] || fail "the double click did not write 07/20/2025"

# Entering the filled field selects it: typing replaces it; Ctrl-U clears.
keys BTab 1 2
[ "$(field)" = "12" ] || fail "typing did not replace the selected text"
keys C-u
[ "$(field)" = "" ] || fail "Ctrl-U did not clear the field"

# Search without a date: a result first, then a long text refused.
click "[Search]"
wait_for "Created after any, modified before any"
keys BTab BTab BTab BTab
tmux_ send-keys -t "$pane" -l "not-a-date-but-a-long-text-typed-into-the-field-to-see-the-box-wrap"
click "[Search]"
wait_for "Invalid date"
screen | grep -q "\[OK\] │" || fail "the box's OK is not on the screen"
screen | grep -q "06/15/2025" || fail "the box's example date is not on the screen"
keys Enter
wait_for 'Nothing searched: "Created after" is not a date'
screen | grep -q "modified before any" && fail "the old result is still shown"
[ "$(cursor_line)" = "$(where 'Created after' | cut -d' ' -f2)" ] ||
  fail "the focus is not back on the field"

# Too small for the form: a notice instead of a cut-off window.
tmux_ resize-window -t "$pane" -x 30 -y 10
wait_for "\"Find documents\" needs a"
tmux_ resize-window -t "$pane" -x 80 -y 24
wait_for "Find documents"

# Esc on the form asks; another key stays; Esc twice ends the program.
keys Escape
wait_for 'Close "Find documents"\?'
keys Tab
wait_for "Ctrl-Q: quit"
keys Escape Escape
for _ in $(seq 100); do
  [ -s "$status_file" ] && break
  sleep 0.1
done
[ -s "$status_file" ] || fail "Esc twice did not end the program"
[ "$(cat "$status_file")" = 0 ] || fail "the program ended with status $(cat "$status_file")"

# A terminal type ncurses does not know is named, with status 1.
pane="term"
tmux_ new-session -d -s "$pane" -x 80 -y 24 \
  "env TERM=frob-term '$program' 2>&1; echo \"status \$?\"; sleep 10"
wait_for 'ncurses does not know TERM="frob-term"'
wait_for "status 1"
echo "passed"
