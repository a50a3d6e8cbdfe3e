#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) and runs each one
# for a bounded time on a scratch copy of its seed corpus, one target after
# the other. What a run finds stays in the scratch corpus for the next run;
# the seed corpora in fuzz/corpus/ are only read.
#
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Targets: date_text year_text strip_nls catalog imm_date web_message request_head (default: all).
# VOK_FUZZ_BUILD_DIR chooses the build directory (default build/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target] [target ...]" >&2
  exit 2
fi
shift $(($# > 0 ? 1 : 0))
targets=("$@")
((${#targets[@]})) || targets=(date_text year_text strip_nls catalog imm_date web_message request_head)
build="${VOK_FUZZ_BUILD_DIR:-build/fuzz}"

scripts/install-deps.sh
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target fuzzers -j2

failed=()
for target in "${targets[@]}"; do
  fuzzer="$build/fuzz/${target}_fuzzer"
  seeds="fuzz/corpus/$target"
  if [[ ! -x "$fuzzer" || ! -d "$seeds" ]]; then
    echo "unknown fuzz target: $target" >&2
    exit 2
  fi
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  cp -n "$seeds"/* "$corpus"/
  echo "fuzzing $target for ${seconds}s (log: $log)"
  if "$fuzzer" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1; then
    grep -E '^(stat::number_of_executed_units|Done)' "$log" | sed 's/^/  /' || true
  else
    echo "  $target FAILED; the input that broke it is in $artifacts/:" >&2
    grep -E 'ERROR|fuzz:|SUMMARY|Test unit written' "$log" | head -5 | sed 's/^/  /' >&2
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "fuzzing found faults in: ${failed[*]} (reproduce: <fuzzer> <artifact>)" >&2
  exit 1
fi
echo "fuzzing passed: ${targets[*]}"
