#!/usr/bin/env bash
# The CPU time of a key in the calendar of the interactive example host:
# vok_demo runs in a tmux pane of 80 x 24 (the terminal front end, ncurses),
# the calendar is opened from "Created after", and for each kind of key
# COUNT keys are sent 20 ms apart: Right (the next day), PageDown (the next
# month) and Home once the month's first day is chosen (a key that changes
# nothing). The program's CPU time (utime + stime of /proc/PID/stat, in
# clock ticks; also the scheduler's nanoseconds of /proc/PID/schedstat when
# the kernel keeps them) before and after each run, divided by COUNT, is
# printed in microseconds per key. The same keys then go to FLOOR, a program
# that only reads keys through ncurses and refreshes an unchanged screen:
# what a key costs in this terminal on this machine before any work.
# Build the programs with the release preset to measure what people get
# (scripts/bench.sh keys does).
#   bench/keys_tmux.sh [PROGRAM [COUNT [FLOOR]]]
# PROGRAM defaults to build/release/bin/vok_demo, COUNT to 200, FLOOR to
# build/release/bench/vok_terminal_floor (left out when it is not built).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/bin/vok_demo}
count=${2:-200}
floor=${3:-build/release/bench/vok_terminal_floor}
command -v tmux >/dev/null || { echo "tmux is not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }
[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }

socket="vok_keys_bench_$$"
tmux_() { tmux -L "$socket" "$@"; }
trap 'tmux_ kill-server 2>/dev/null || true' EXIT

wait_for() {
  for _ in $(seq 100); do
    tmux_ capture-pane -p -t keys | grep -q -- "$1" && return 0
    sleep 0.1
  done
  echo "the screen never showed: $1" >&2
  exit 1
}

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
cpu_ns() { if [ -r "/proc/$pid/schedstat" ]; then cut -d' ' -f1 "/proc/$pid/schedstat"; else echo 0; fi; }

# Sends count keys of a kind, paced, after the first one given.
run() {
  local title=$1 key=$2 first=${3:-}
  [ -n "$first" ] && tmux_ send-keys -t keys "$first" && sleep 0.2
  local ticks ns
  ticks=$(cpu_ticks)
  ns=$(cpu_ns)
  for _ in $(seq "$count"); do
    tmux_ send-keys -t keys "$key"
    sleep 0.02
  done
  sleep 0.3
  ticks=$(($(cpu_ticks) - ticks))
  ns=$(($(cpu_ns) - ns))
  awk -v title="$title" -v ticks="$ticks" -v hz="$ticks_per_second" -v ns="$ns" -v n="$count" \
    'BEGIN { printf "%-34s %8.0f us/key (stat)", title, ticks * 1e6 / hz / n;
             if (ns > 0) printf "  %8.0f us/key (schedstat)", ns / 1e3 / n;
             printf "\n" }'
}

# Times the three kinds of key in one program, its calendar opened.
measure() {
  local name=$1 shown=$2
  tmux_ new-session -d -s keys -x 80 -y 24 \
    "exec env -u LC_ALL -u LC_TIME LANG=en_US.UTF-8 '$shown' --today 2025-06-15"
  pid=$(tmux_ display-message -p -t keys '#{pane_pid}')
  wait_for "Find documents"
  tmux_ send-keys -t keys Tab Enter
  wait_for "Choose a date"
  run "$name: Right" Right
  run "$name: PageDown" NPage
  run "$name: Home on the chosen day" Home Home
  tmux_ send-keys -t keys C-q
  for _ in $(seq 50); do tmux_ has-session -t keys 2>/dev/null || break; sleep 0.1; done
}

echo "$count keys each, 20 ms apart, in the calendar of $program"
measure vok_demo "$program"
if [ -x "$floor" ]; then
  echo "and in $floor, which does nothing with them"
  measure floor "$floor"
fi
