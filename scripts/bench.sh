#!/usr/bin/env bash
# Builds the release preset and runs the benchmarks (bench/vok_bench): the
# calendar's open/release, heap, month and year changes, one calendar's
# open, send and release among 1 to 10,000 live ones (release also with
# the caches cleared first), the date text checks
# beside strptime, std::get_time and ICU, a frame's press/pick/OK round and
# tracing switched off. Each benchmark runs five times, the repetitions of
# all of them interleaved in random order (a busy spell cannot favour one
# benchmark over its peers), and the median counts, shown with how far the
# fastest and the slowest repetition lay from it. The program ends with the
# peers' ratios, the live-calendar table and the goals met or missed.
# Arguments go to vok_bench, e.g. --benchmark_filter=Calendar. The example
# host's start-up is measured beside it by bench/startup.sh.
# "scripts/bench.sh keys [COUNT]" times keys in the calendar of the example
# host in tmux instead (bench/keys_tmux.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset release >/dev/null
if [ "${1:-}" = keys ]; then
  cmake --build --preset release --target vok_demo vok_terminal_floor -j2
  exec bench/keys_tmux.sh build/release/bin/vok_demo "${@:2}"
fi
cmake --build --preset release --target vok_bench -j2
exec env -u VOK_DATE_LAYOUT -u VOKNlsTest -u VOK_TRACE build/release/bench/vok_bench --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "$@"
