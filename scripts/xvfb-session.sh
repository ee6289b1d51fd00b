# Sourced by scripts that run the program on an X server of their own.
# Makes a scratch folder ($work), starts Xvfb on a free display, exports
# DISPLAY, points the program's configuration folder into the scratch folder
# (so a run neither reads nor leaves a user's settings), and on exit ends the
# program ($app_pid, when set) and the server.
#
#   source scripts/xvfb-session.sh

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
xvfb_pid=""
app_pid=""
end_xvfb_session() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap end_xvfb_session EXIT

# The server writes the display it found free; -noreset keeps it from
# restarting, and refusing connections meanwhile, when a client leaves.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
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

# The id of a visible window whose title matches, once it shows; empty when
# none has shown within SECONDS (10 unless given).
#   wait_for_window TITLE [SECONDS]
wait_for_window() {
    local title=$1 tries=$((${2:-10} * 20)) found=""
    for _ in $(seq "$tries"); do
        found=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1 || true)
        [ -n "$found" ] && break
        sleep 0.05
    done
    echo "$found"
}

# Says what went wrong and what the program wrote to $work/program.log, where
# the scripts keep its output, and ends the script.
#   fail MESSAGE...
fail() {
    echo "$*" >&2
    if [ -f "$work/program.log" ]; then
        echo "--- program output:" >&2
        cat "$work/program.log" >&2
    fi
    exit 1
}
