#!/usr/bin/env bash
# Fails when a folder of src/ includes a higher one. Logic folders, lowest first; the screens of a
# subsystem sit above all logic and the shared widgets, and only src/app joins screens of
# different subsystems.
set -euo pipefail
cd "$(dirname "$0")/.."

order=(bytes platform text dialogue files store report link settings tables archive dataset config messages gasdata collect)

rank() {
    local i
    for i in "${!order[@]}"; do
        [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo 99
}

status=0
while IFS= read -r line; do
    file=${line%%:*}
    target=${line#*\"}
    target=${target%%\"*}
    from=$(echo "$file" | cut -d/ -f2)
    fromSub=$(echo "$file" | cut -d/ -f3)
    to=${target%%/*}
    toSub=$(echo "$target" | cut -d/ -f2)
    [ "$from" = app ] && continue
    bad=
    if [ "$to" = app ]; then
        bad=1
    elif [ "$fromSub" = screens ]; then
        # A screen may use any logic and the widgets, and its own subsystem's screens only.
        [ "$toSub" = screens ] && [ "$to" != "$from" ] && bad=1
    elif [ "$from" = widgets ]; then
        [ "$toSub" = screens ] && bad=1
    else
        if [ "$toSub" = screens ] || [ "$to" = widgets ]; then
            bad=1
        elif [ "$(rank "$to")" -gt "$(rank "$from")" ]; then
            bad=1
        fi
    fi
    if [ -n "$bad" ]; then
        echo "layering: $file includes $target"
        status=1
    fi
done < <(grep -rnoE '^#include "[a-z_]+/[^"]+"' src --include='*.h' --include='*.cpp' | sed 's/:[0-9]*:/:/')

[ "$status" -eq 0 ] && echo "layering: no folder includes a higher one"
exit "$status"
