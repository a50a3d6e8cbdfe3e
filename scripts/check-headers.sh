#!/usr/bin/env bash
# Compiles every installed header alone, as the first include of a source,
# under C++17 and C++20 with g++ and clang++ and strict warnings as errors:
# a header that needs another include, a newer standard or a looser flag
# fails here. Uses the default preset's build (configured and built when
# missing) and installs its headers, the front ends' among them, into a
# scratch prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
[[ -f build/default/build.ninja ]] || cmake --preset default >/dev/null
cmake --build --preset default --target vokhost vokdatepicker vokfrontend vokwebfrontend >/dev/null
for component in development frontend webfrontend; do
  cmake --install build/default --prefix "$scratch" --component "$component" >/dev/null
done
include="$scratch/include/vokdatepicker"
mapfile -t headers < <(cd "$include" && find . -name '*.h' -printf '%P\n' | sort)
((${#headers[@]})) || { echo "no headers installed" >&2; exit 1; }

check() {  # compiler standard header
  printf '#include "%s"\n' "$3" |
    "$1" -std="$2" -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I"$include" -x c++ - ||
    { echo "$3 does not compile alone with $1 -std=$2" >&2; return 1; }
}
export -f check
export include
for compiler in g++ clang++; do
  for standard in c++17 c++20; do
    printf '%s\n' "${headers[@]}" | xargs -P "$(nproc)" -I{} bash -c 'check "$@"' _ "$compiler" "$standard" {}
  done
done
echo "header check passed: ${#headers[@]} headers, g++ and clang++, C++17 and C++20"
