#!/usr/bin/env bash
# Builds the example host and runs it; arguments go to the program. The
# build's output is shown only when the build fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
log=$(mktemp)
if ! { cmake --preset default && cmake --build --preset default --target vok_demo; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  echo "run-demo.sh: the build failed" >&2
  exit 1
fi
rm -f "$log"
exec build/default/bin/vok_demo "$@"
