#!/usr/bin/env bash
# Builds the example host and runs it; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vok_demo
VOK_CATALOG_PATH="$PWD/resources/catalogs" exec build/default/apps/vok_demo "$@"
