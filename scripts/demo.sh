#!/usr/bin/env bash
# Runs the desktop program against the simulated controller on a free loopback port. Without a
# display it shows the same controller from the command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/app/zor06 --demo "$@"
fi

echo "No display: the simulated controller from the command line (zor06ctl)."
out=$(mktemp)
build/tools/zor06-sim/zor06-sim --tcp 127.0.0.1:0 >"$out" &
sim=$!
trap 'kill $sim 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 50); do
    [ -s "$out" ] && break
    sleep 0.1
done
read -r _ endpoint <"$out"
build/tools/zor06ctl/zor06ctl --tcp "$endpoint" identify

echo
echo "A fleet of simulated controllers to collect from, listed in a work directory:"
echo "  build/tools/zor06-sim/zor06-sim --tcp 0 --fleet 5 --fleet-subscribers WORKDIR/INI/ethr_abonents.ini &"
echo "  build/tools/zor06ctl/zor06ctl --workdir WORKDIR collect"
