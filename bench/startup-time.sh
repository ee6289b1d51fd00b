#!/usr/bin/env bash
# Cold start to a shown main window, on an X server of its own: starts the
# program RUNS times and reports the time until its window is visible.
#
#   bench/startup-time.sh [PROGRAM] [RUNS]
set -euo pipefail

program=${1:-build/release/src/ui/qt/pitwright}
runs=${2:-10}

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM

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
