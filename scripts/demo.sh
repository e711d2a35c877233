#!/usr/bin/env bash
# Starts the simulated controller on a free loopback port and reads its identification table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

out=$(mktemp)
build/tools/zor06-sim/zor06-sim --tcp 127.0.0.1:0 >"$out" &
sim=$!
trap 'kill $sim 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 50); do
    [ -s "$out" ] && break
    sleep 0.1
done
read -r kind endpoint <"$out"
echo "Simulated controller: $kind $endpoint"
echo "Table 0 (identification):"
build/tools/zor06ctl/zor06ctl --tcp "$endpoint" read-table 0
