#!/usr/bin/env bash
# Checks that every C++ file is formatted by .clang-format and passes the
# checks of .clang-tidy, using the compile commands of the default preset
# (configured here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h' ':!:examples/*')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== clang-tidy"
[[ -f build/default/compile_commands.json ]] || cmake --preset default >/dev/null
mapfile -t units < <(git ls-files '*.cpp' ':!:examples/*' ':!:fuzz/*' ':!:bench/*')
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 8 clang-tidy -p build/default --quiet
echo "style check passed"
