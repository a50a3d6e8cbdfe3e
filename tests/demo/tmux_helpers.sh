# Sourced by the tmux tests: a tmux server of its own, a pane of 80 x 24
# named by $pane, and helpers that look at its screen and act on it as a
# person would. The script that sources it takes the program as $1, and
# is skipped (status 77) when tmux is not installed.
set -uo pipefail
export LC_ALL=C.UTF-8
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

screen() { tmux_ capture-pane -p -t "$pane" "$@" 2>/dev/null; }
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

# Sends keys one at a time, each after the screen settled from the last.
keys() {
  for key in "$@"; do
    local before
    before=$(screen -e)
    tmux_ send-keys -t "$pane" "$key"
    for _ in $(seq 20); do
      [ "$(screen -e)" != "$before" ] && break
      sleep 0.05
    done
  done
}

# The column and line of the first place the screen shows a text.
where() {
  local number=0 line
  while IFS= read -r line; do
    if [[ $line == *"$1"* ]]; then
      local before=${line%%"$1"*}
      echo "${#before} $number"
      return 0
    fi
    number=$((number + 1))
  done < <(screen)
  fail "no \"$1\" to click on"
}

# A press and release of the left button at the first cell of a text
# (moved by DX columns), as an xterm reports them (X10 encoding); twice
# for a double click.
#   click TEXT [COUNT [DX]]
click() {
  local at x y cell
  at=$(where "$1") || exit 1
  read -r x y <<<"$at"
  x=$((x + ${3:-0}))
  cell=$(printf "\\$(printf %03o $((33 + x)))\\$(printf %03o $((33 + y)))")
  for _ in $(seq "${2:-1}"); do
    tmux_ send-keys -t "$pane" -l $'\e[M '"$cell"$'\e[M#'"$cell"
    sleep 0.05
  done
  sleep 0.3
}

# True when a text is drawn in reverse video, as the focus is, within 10
# seconds: a loaded machine may show a key's picture after the first change
# that keys() waits for.
focused() {
  for _ in $(seq 100); do
    screen -e | grep -qE $'\e\\[([0-9;]*;)?7(;[0-9;]*)?m(\e\\[[0-9;]*m)*'"$1" && return 0
    sleep 0.1
  done
  return 1
}

# The text of the "Created after" field (the first line naming it).
field() { screen | grep -m1 -oE "Created after +[^_ ]*" | sed -E 's/Created after +//'; }

# The line the text cursor stands on.
cursor_line() { tmux_ display-message -p -t "$pane" '#{cursor_y}'; }
