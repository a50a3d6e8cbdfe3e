#!/usr/bin/env bash
# Runs the example host in a chosen language and compares what it prints
# with a golden file.
#   run_golden.sh GOLDEN LOCALE PROGRAM [ARGUMENTS...]
# The program runs with LANG=LOCALE, no other locale or host setting from
# the caller's environment, and standard input from /dev/null. It must exit
# 0. With VOK_UPDATE_GOLDEN=1 the golden file is rewritten instead.
set -uo pipefail
golden=$1 locale=$2
shift 2
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
env -u LC_ALL -u LC_TIME -u VOK_THAI -u VOK_THAI_GREGORIAN -u VOK_DATE_LAYOUT -u VOK_TODAY \
    -u VOK_TRACE -u VOKNlsTest LANG="$locale" "$@" </dev/null >"$actual"
status=$?
if [ "$status" -ne 0 ]; then
  echo "the program exited with status $status" >&2
  exit 1
fi
if [ "${VOK_UPDATE_GOLDEN:-}" = 1 ]; then
  cp "$actual" "$golden"
  echo "rewrote $golden"
  exit 0
fi
if ! diff -u "$golden" "$actual"; then
  echo "the output differs from $golden (VOK_UPDATE_GOLDEN=1 rewrites it)" >&2
  exit 1
fi
