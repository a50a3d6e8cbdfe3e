#!/usr/bin/env bash
# Checks the installed package as a user of the library meets it: a plain
# Release build (no presets, so warnings are not errors) from a copy of the
# sources, `cmake --install` into a scratch prefix, the source and build
# trees removed, then the outside project in examples/ built and run
# against the prefix with find_package and again with pkg-config's flags.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/scratch-sources.sh
prefix="$scratch/prefix"

echo "== plain Release build and install"
cmake -S "$scratch/src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVOK_BUILD_TESTS=OFF -DVOK_BUILD_APPS=OFF -DVOK_BUILD_FRONTENDS=OFF >/dev/null
cmake --build "$scratch/build"
cmake --install "$scratch/build" --prefix "$prefix" >/dev/null
rm -rf "$scratch/src" "$scratch/build"

for lib in vokhost vokdatepicker; do
  soname="$(objdump -p "$prefix/lib/lib$lib.so" | awk '/SONAME/ {print $2}')"
  [[ "$soname" == "lib$lib.so.1" ]] || { echo "lib$lib.so has SONAME \"$soname\"" >&2; exit 1; }
done

expected='Created after: 02/14/2021
Modified before: 01/15/2023
"02/29/2024" is the date 2024-02-29
"02/30/2024" is no date
"2024-02-29" is not in the date layout
"02/14/2025" is the date 2025-02-14
"02/14/2568" is the date 2568-02-14'
run_example() {
  local output status=0
  output="$(LANG=C.UTF-8 VOK_TODAY=2025-06-15 "$1")" || status=$?
  if ((status)) || [[ "$output" != "$expected" ]]; then
    printf 'the example ended with status %d and printed:\n%s\nexpected:\n%s\n' \
      "$status" "$output" "$expected" >&2
    exit 1
  fi
}

echo "== the example with find_package"
cmake -S "$scratch/example" -B "$scratch/example-build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/example-build" >/dev/null
run_example "$scratch/example-build/pick_a_date"

echo "== the example with pkg-config"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
# shellcheck disable=SC2046
g++ -std=c++20 $(pkg-config --cflags vokdatepicker) "$scratch/example/main.cpp" \
  $(pkg-config --libs vokdatepicker) -Wl,-rpath,"$prefix/lib" -o "$scratch/pick_a_date_pc"
run_example "$scratch/pick_a_date_pc"

echo "== without a catalog folder the built-in English texts serve, and one note says so"
mv "$prefix/share/vokdatepicker/catalogs" "$prefix/share/vokdatepicker/moved"
notes="$scratch/notes"
run_example "$scratch/pick_a_date_pc" 2>"$notes"
grep -q "^catalog \"[A-Za-z]*\" not found in $prefix/share/vokdatepicker/catalogs .*using the built-in English texts\$" "$notes" &&
  (($(wc -l <"$notes") == 1)) || { echo "expected one note on the missing catalogs, got:" >&2; cat "$notes" >&2; exit 1; }
VOK_CATALOG_PATH="$prefix/share/vokdatepicker/moved" run_example "$scratch/pick_a_date_pc" 2>"$notes"
[[ ! -s "$notes" ]] || { echo "catalogs on VOK_CATALOG_PATH still gave notes:" >&2; cat "$notes" >&2; exit 1; }
echo "package check passed"
