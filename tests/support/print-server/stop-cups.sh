#!/usr/bin/env bash
# Removes what start-cups.sh set up: the two test queues and their cups-pdf
# settings, the machine's own default printer back, and the scheduler when
# start-cups.sh started it. The PDFs stay
# in the output folder for a look after a failure.
#
# Usage: stop-cups.sh QUEUE OUTPUT_FOLDER
set -uo pipefail

queue=$1
out=$2
started_marker="$out.cupsd-pid"
previous_default="$out.previous-default"

lpadmin -x "$queue" 2>/dev/null
lpadmin -x "$queue-refusing" 2>/dev/null
rm -f "/etc/cups/cups-pdf-$queue.conf"

if [ -f "$previous_default" ]; then
    lpadmin -d "$(cat "$previous_default")" 2>/dev/null
    rm -f "$previous_default"
fi

if [ -f "$started_marker" ]; then
    pid=$(cat "$started_marker")
    if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "cupsd" ]; then
        kill "$pid"
    fi
    rm -f "$started_marker"
fi
exit 0
