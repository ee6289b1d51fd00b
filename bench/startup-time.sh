#!/usr/bin/env bash
# Cold start to a shown main window, on an X server of its own, beside the
# least a Qt Widgets window takes: starts each program RUNS times, turn by
# turn, and reports the medians and their ratio.
#
#   bench/startup-time.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail

build=${1:-build/bench}
runs=${2:-20}
program=$build/src/ui/qt/pitwright
baseline=$build/bench/pitwright_minimal_window

source "$(dirname "$0")/../scripts/xvfb-session.sh"
export XDG_RUNTIME_DIR="$work"

# Milliseconds from the start of the program until a window of the title shows.
time_to_window() {
    local start end
    start=$(date +%s%N)
    "$1" >"$work/program.log" 2>&1 &
    app_pid=$!
    until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            echo "$1 ended before its window showed:" >&2
            cat "$work/program.log" >&2
            exit 1
        fi
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    echo $(((end - start) / 1000000))
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }

ours=()
minimal=()
for _ in $(seq "$runs"); do
    ours+=("$(time_to_window "$program" '^Pitwright Share - ')")
    minimal+=("$(time_to_window "$baseline" '^Minimal Qt Widgets window$')")
done
m_ours=$(median "${ours[@]}")
m_minimal=$(median "${minimal[@]}")
echo "Pitwright, start to shown window over $runs runs, ms: ${ours[*]}"
echo "minimal Qt Widgets window, ms:                  ${minimal[*]}"
awk -v a="$m_ours" -v b="$m_minimal" \
    'BEGIN { printf "median %d ms against %d ms: %.2f x the minimal window\n", a, b, a / b }'
