#!/usr/bin/env bash
# The example host's start-up, on the release preset, measured with
# hyperfine: `vok_demo --help` (goal: 5 ms wall or less) and a script that
# opens the calendar, picks a day, answers OK and presses Search ("scripted
# pick", goal:
# 8 ms or less). Prints hyperfine's figures, then the libraries the
# program loads and the dynamic loader's relocations for --help, then the
# goals met or missed. Arguments go to hyperfine, e.g. --runs 500.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target vok_demo vokwebfrontend -j2 >/dev/null
demo=build/release/bin/vok_demo
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '%s\n' "press _calButton" "press 12" "ok" "press Search" >"$scratch/pick.script"
export LANG=C.UTF-8 VOK_CATALOG_PATH="$PWD/resources/catalogs"
unset LC_ALL LC_TIME VOK_DATE_LAYOUT VOKNlsTest VOK_TRACE

help="$demo --help"
pick="$demo --today 2025-06-15 --script $scratch/pick.script"
# /bin/true is the floor: what starting any process costs on this machine
# at this moment, against which the figures above it can be read.
hyperfine --shell=none --warmup 20 --min-runs 200 --export-csv "$scratch/times.csv" \
  --command-name "vok_demo --help" "$help" --command-name "scripted pick" "$pick" \
  --command-name "/bin/true (floor)" /bin/true "$@"

echo
echo "libraries loaded by --help: $(ldd "$demo" | grep -c '=>')"
LD_DEBUG=statistics "$demo" --help 2>&1 >/dev/null | grep -E "number of relocations:|total startup time" |
  sed -E 's/^ *[0-9]+: *//'

# hyperfine's CSV: command,mean,stddev,median,user,system,min,max (seconds).
echo
awk -F, 'NR == 2 || NR == 3 {
  goal = (NR == 2) ? 5 : 8
  median = $4 * 1000
  printf "%-24s median %.1f ms wall, %.1f ms CPU: goal %d ms %s\n", $1, median,
         ($5 + $6) * 1000, goal, (median <= goal) ? "met" : "MISSED"
}
NR == 4 { printf "%-24s median %.1f ms wall\n", $1, $4 * 1000 }' "$scratch/times.csv"
