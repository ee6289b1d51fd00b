#!/usr/bin/env bash
# Cold start to a shown main window, on an X server of its own: starts the
# program RUNS times and reports the time until its window is visible.
#
#   bench/startup-time.sh [PROGRAM] [RUNS]
set -euo pipefail

program=${1:-build/release/src/ui/qt/pitwright}
runs=${2:-10}

source "$(dirname "$0")/../scripts/xvfb-session.sh"

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    XDG_RUNTIME_DIR="$work" "$program" >"$work/program.log" 2>&1 &
    app_pid=$!
    until xdotool search --onlyvisible --name '^Pitwright Share - ' >/dev/null 2>&1; do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            echo "The program ended before its window showed:" >&2
            cat "$work/program.log" >&2
            exit 1
        fi
        sleep 0.005
    done
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
done

sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start to shown window over $runs runs, in ms: $(echo $sorted)"
echo "median $(echo "$sorted" | sed -n "$(((runs + 1) / 2))p") ms"
