#!/usr/bin/env bash
# Runs a program that must fail: checks its exit status and that its
# standard error holds the expected text.
#   expect_failure.sh STATUS TEXT PROGRAM [ARGUMENTS...]
set -uo pipefail
expected_status=$1 expected_text=$2
shift 2
errors=$("$@" </dev/null 2>&1 >/dev/null)
status=$?
if [ "$status" -ne "$expected_status" ]; then
  echo "exit status $status, expected $expected_status; standard error:" >&2
  echo "$errors" >&2
  exit 1
fi
if [[ "$errors" != *"$expected_text"* ]]; then
  echo "standard error does not hold: $expected_text" >&2
  echo "it holds: $errors" >&2
  exit 1
fi
