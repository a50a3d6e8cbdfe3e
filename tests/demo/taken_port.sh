#!/usr/bin/env bash
# vok_demo --web twice on one port: the second run says it cannot listen
# and exits with status 1; the first one ends with status 0 on Ctrl-C
# (SIGINT), no page having been opened.
#   taken_port.sh VOK_DEMO
set -uo pipefail
demo=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$demo" --web >"$out" 2>&1 &
first=$!
port=""
for _ in $(seq 100); do
  port=$(grep -o '127\.0\.0\.1:[0-9]*' "$out" | cut -d: -f2)
  [ -n "$port" ] && break
  sleep 0.1
done
if [ -z "$port" ]; then
  kill "$first"
  echo "the first run printed no address: $(cat "$out")" >&2
  exit 1
fi
"$(dirname "$0")/expect_failure.sh" 1 "vok_demo: cannot listen on 127.0.0.1 port $port" \
  timeout 10 "$demo" --web --port "$port"
second=$?
kill -INT "$first"
wait "$first"
status=$?
if [ "$status" -ne 0 ]; then
  echo "the first run ended with status $status on SIGINT" >&2
  exit 1
fi
exit "$second"
