#!/usr/bin/env bash
# Starts Pitwright on an X server of its own, types a design with the
# keyboard alone (slope height 100, bench height 10, 5 benches per stack,
# crest-to-toe 45, stack angle 60, bench angle 75), presses "Accept values
# and draw picture" and saves a screenshot of the window.
#
#   draw_design_in_xvfb.sh PROGRAM SCREENSHOT.png [STABILITY_SCREENSHOT.png]
#
# With a second picture, it then opens "Check stability..." with the keyboard
# (Alt+N, Enter), types a rock mass (26 kN/m3, 50 kPa, 35 degrees) and
# photographs that window as well.
set -euo pipefail

program=$1
screenshot=$2
stability_screenshot=${3:-}

source "$(dirname "$0")/../../scripts/xvfb-session.sh"

XDG_RUNTIME_DIR="$work" "$program" >"$work/program.log" 2>&1 &
app_pid=$!

window=$(wait_for_window '^Pitwright Share - ')
[ -n "$window" ] || fail "The main window did not appear."
xdotool windowfocus --sync "$window"
sleep 0.5

# The window opens with the focus on the convention choice; Tab leads
# through the fields as each one opens.
for value in 100 10 5 45 60 75; do
    xdotool key --delay 80 Tab
    xdotool type --delay 80 "$value"
done
xdotool key --delay 80 Tab
xdotool key --delay 80 space
sleep 1

import -window "$window" "$screenshot"

if [ -n "$stability_screenshot" ]; then
    xdotool key --delay 100 alt+n Return
    check=$(wait_for_window '^Check stability$')
    [ -n "$check" ] || fail "Alt+N and Enter brought up no stability window."
    xdotool windowfocus --sync "$check"
    sleep 0.3
    for value in 26 50 35; do
        xdotool type --delay 80 "$value"
        xdotool key --delay 80 Tab
    done
    sleep 1.5
    import -window "$check" "$stability_screenshot"
fi
kill -0 "$app_pid" 2>/dev/null || fail "The program ended on its own."
