#!/usr/bin/env bash
# Runs page_test.js against vok_demo in Debian's headless Chromium. Skips
# (status 77) when Chromium, node or the test's npm packages are missing
# and cannot be installed from package-lock.json.
#   run_page_test.sh VOK_DEMO [SCREENSHOT.png]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
chromium="${VOK_CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$chromium" ] || ! command -v node >/dev/null; then
  echo "skipped: needs $chromium and node"
  exit 77
fi
# npm records what it installed; a lockfile newer than that record (a
# package added since) is installed again.
installed="$here/node_modules/.package-lock.json"
if [ ! -f "$installed" ] || [ "$here/package-lock.json" -nt "$installed" ]; then
  if ! (cd "$here" && npm ci --no-audit --no-fund --silent >/dev/null 2>&1); then
    echo "skipped: npm ci failed in $here"
    exit 77
  fi
fi
exec node "$here/page_test.js" "$@"
