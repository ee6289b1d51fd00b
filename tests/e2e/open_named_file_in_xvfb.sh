#!/usr/bin/env bash
# Starts Pitwright on an X server of its own with a data file named on its
# command line, as a file manager starts it, and saves a screenshot of the
# window once the design is drawn.
#
#   open_named_file_in_xvfb.sh PROGRAM SCREENSHOT.png
set -euo pipefail

program=$(realpath "$1")
screenshot=$2

source "$(dirname "$0")/../../scripts/xvfb-session.sh"

printf '100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n' >"$work/readme.DAT"
# A relative name, from the folder it is in.
(cd "$work" && XDG_RUNTIME_DIR="$work" exec "$program" readme.DAT) >"$work/program.log" 2>&1 &
app_pid=$!

window=$(wait_for_window '^Pitwright Share - ')
[ -n "$window" ] || fail "The main window did not appear."
sleep 1

import -window "$window" "$screenshot"
kill -0 "$app_pid" 2>/dev/null || fail "The program ended on its own."
