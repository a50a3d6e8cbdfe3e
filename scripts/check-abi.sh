#!/usr/bin/env bash
# Compares the binary interface of the libraries built now (default preset)
# with the one recorded for the released version in abi/: abi-dumper reads
# each library's debug information, limited to the installed headers, and
# abi-compliance-checker compares. A break fails the check unless the
# library's SONAME has changed since the record (then record anew).
#   scripts/check-abi.sh            check
#   scripts/check-abi.sh --record   replace the record with the build's ABI
set -euo pipefail
cd "$(dirname "$0")/.."
record=abi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
[[ -f build/default/build.ninja ]] || cmake --preset default >/dev/null
cmake --build --preset default --target vokhost vokdatepicker >/dev/null
cmake --install build/default --prefix "$scratch/prefix" --component development >/dev/null
headers="$scratch/prefix/include/vokdatepicker"
version="$(sed -n 's/^project(VOKDatePicker VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
reports=build/default/abi
mkdir -p "$reports"

soname_of() { objdump -p "$1" | awk '/SONAME/ {print $2}'; }

dump() {  # library output
  abi-dumper "build/default/lib/lib$1.so" -o "$2" -lver "$version" -public-headers "$headers" \
    >"$scratch/$1.dumper.log" 2>&1 || { cat "$scratch/$1.dumper.log" >&2; return 1; }
}

if [[ "${1:-}" == --record ]]; then
  mkdir -p "$record"
  for lib in vokhost vokdatepicker; do
    dump "$lib" "$scratch/$lib.dump"
    gzip -9n <"$scratch/$lib.dump" >"$record/lib$lib.dump.gz"
    soname_of "build/default/lib/lib$lib.so" >"$record/lib$lib.soname"
  done
  echo "recorded the ABI of $version in $record/"
  exit 0
fi

check() {  # library
  local lib="$1" status=0
  dump "$lib" "$scratch/$lib.new.dump"
  gunzip -c "$record/lib$lib.dump.gz" >"$scratch/$lib.old.dump"
  abi-compliance-checker -l "$lib" -binary -old "$scratch/$lib.old.dump" -new "$scratch/$lib.new.dump" \
    -report-path "$reports/lib$lib.html" >"$scratch/$lib.acc.log" 2>&1 || status=$?
  case "$status" in
    0) echo "lib$lib: no ABI change against the record" ;;
    1)
      if [[ "$(soname_of "build/default/lib/lib$lib.so")" != "$(cat "$record/lib$lib.soname")" ]]; then
        echo "lib$lib: ABI changed with a new SONAME; record it with scripts/check-abi.sh --record"
      else
        grep -i "problems" "$scratch/$lib.acc.log" >&2 || true
        echo "lib$lib: ABI break without a SONAME change; see $reports/lib$lib.html" >&2
        return 1
      fi
      ;;
    *) cat "$scratch/$lib.acc.log" >&2; echo "lib$lib: the ABI comparison failed" >&2; return 1 ;;
  esac
}

status=0
check vokhost || status=1
check vokdatepicker || status=1
exit "$status"
