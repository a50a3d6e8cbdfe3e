#!/usr/bin/env bash
# Builds the release preset and runs the benchmarks (bench/vok_bench): the
# calendar's open/release, heap, month and year changes, the date text
# checks beside strptime, std::get_time and ICU, a frame's press/pick/OK
# round and tracing switched off. Each benchmark runs five times, the
# repetitions of all of them interleaved in random order, and the minimum
# counts: on a busy machine that is the steadiest figure, and a busy spell
# cannot favour one benchmark over its peers. The program ends with the
# peers' ratios and the goals met or missed.
# Arguments go to vok_bench, e.g. --benchmark_filter=Calendar.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target vok_bench -j2
exec env -u VOK_DATE_LAYOUT -u VOKNlsTest -u VOK_TRACE build/release/bench/vok_bench --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "$@"
