#!/usr/bin/env bash
# Opens a data file through the Open dialog on an X server without a window
# manager, pressing Enter while the dialog's list of matching names shows;
# then clicks "Write a 3D-file", which must bring up the Save dialog (no list
# may stay behind to eat the click), cancels it, moves the mouse off the
# window, starts a new evaluation and types the design again with the
# keyboard alone (the window must have the keyboard back, and its focus
# reactions must run), draws it and saves a screenshot of the window.
#
#   open_dialog_in_xvfb.sh PROGRAM SCREENSHOT.png
set -euo pipefail

program=$1
screenshot=$2

source "$(dirname "$0")/../../scripts/xvfb-session.sh"

wait_until_gone() {
    local title=$1
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

visible_windows() {
    xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l
}

designs="$work/designs"
mkdir -p "$designs"
printf '100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n' >"$designs/readme.DAT"
# Other names that begin alike, for the dialog's list.
cp "$designs/readme.DAT" "$designs/readme-copy.DAT"
cp "$designs/readme.DAT" "$designs/ready.DAT"

XDG_RUNTIME_DIR="$work" "$program" >"$work/program.log" 2>&1 &
app_pid=$!

window=$(wait_for_window '^Pitwright Share - ' 5)
[ -n "$window" ] || fail "The main window did not appear."
xdotool windowfocus --sync "$window"
sleep 0.3

xdotool key ctrl+o
[ -n "$(wait_for_window '^Open$' 5)" ] || fail "Ctrl+O brought up no Open dialog."
sleep 0.3
windows_before=$(visible_windows)
xdotool type --delay 30 "$designs/rea"
# The list of names that begin so.
for _ in $(seq 60); do
    [ "$(visible_windows)" -gt "$windows_before" ] && break
    sleep 0.05
done
[ "$(visible_windows)" -gt "$windows_before" ] || fail "The Open dialog showed no list of names."
xdotool type --delay 30 "dme.DAT"
xdotool key Return
wait_until_gone '^Open$' || fail "The Open dialog did not close."
sleep 0.5

# "Write a 3D-file", by its place in the window: the client area is the
# window less the menu bar above it and the status bar (20 pixels) below.
eval "$(xdotool getwindowgeometry --shell "$window")"
client_width=794
client_height=554
status_height=20
[ "$WIDTH" -eq "$client_width" ] || fail "The window is $WIDTH pixels wide, not $client_width."
menu_height=$((HEIGHT - client_height - status_height))
xdotool mousemove $((X + 576 + 52)) $((Y + menu_height + 496 + 12))
xdotool click 1
[ -n "$(wait_for_window '^Save$' 5)" ] || fail "A click on \"Write a 3D-file\" brought up no Save dialog."
sleep 0.3
xdotool key Escape
wait_until_gone '^Save$' || fail "The Save dialog did not close."
# Away from the window: only the keyboard focus can lead keys to it now.
xdotool mousemove 0 0
sleep 0.3

# From "Write a 3D-file", Tab twice to "New evaluation"; it sends the focus
# to the slope height, and Tab leads through the fields as each one opens.
xdotool key --delay 80 Tab Tab space
for value in 100 10 5 45 60 75; do
    xdotool type --delay 80 "$value"
    xdotool key --delay 80 Tab
done
xdotool key --delay 80 space
sleep 1

import -window "$window" "$screenshot"
kill -0 "$app_pid" 2>/dev/null || fail "The program ended on its own."
