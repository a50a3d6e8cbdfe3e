#!/usr/bin/env bash
# Builds and runs every test in the default and the sanitizer presets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset default
cmake --workflow --preset asan
