#!/usr/bin/env bash
# Readies a real printer for the hard-copy tests: a CUPS scheduler (started
# here when none runs), a cups-pdf queue that writes its PDFs into the given
# folder and is the system's default printer, and a second queue of the same
# kind that refuses every job. Safe to run again; each build names its own
# queue and folder. Installs nothing: scripts/install-deps.sh does that.
#
# Usage: start-cups.sh QUEUE OUTPUT_FOLDER
set -euo pipefail

queue=$1
out=$2
refusing="$queue-refusing"
started_marker="$out.cupsd-pid"
previous_default="$out.previous-default"

fail() {
    echo "start-cups: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || fail "the printer tests set up CUPS and must run as root"
for tool in cupsd lpadmin lpstat cupsreject pdftoppm; do
    command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/install-deps.sh"
done
[ -e /usr/lib/cups/backend/cups-pdf ] ||
    fail "the cups-pdf backend is missing; run scripts/install-deps.sh"

scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

mkdir -p "$out"
rm -f "$out"/*.pdf

if ! scheduler_running; then
    mkdir -p /run/cups
    setsid cupsd -f </dev/null >/dev/null 2>&1 &
    echo $! >"$started_marker"
    for _ in $(seq 1 100); do
        scheduler_running && break
        sleep 0.1
    done
    scheduler_running || fail "cupsd did not start; see /var/log/cups/error_log"
fi

# cups-pdf reads cups-pdf-NAME.conf for a device URI of cups-pdf:/NAME, so
# this queue writes into this build's folder only.
cat >"/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $out
AnonDirName $out
Label 2
CONF

# lpadmin warns on every queue with a driver; show only what went wrong.
admin() {
    local said
    if ! said=$(lpadmin "$@" 2>&1); then
        echo "$said" >&2
        return 1
    fi
}

# Keep the machine's own default printer, for stop-cups.sh to give back.
current=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
if [ -n "$current" ] && [ "$current" != "$queue" ]; then
    echo "$current" >"$previous_default"
fi

model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
admin -p "$queue" -E -v "cups-pdf:/$queue" -m "$model"
admin -d "$queue"
admin -p "$refusing" -E -v "cups-pdf:/$queue" -m "$model"
cupsreject -r "held for a test of a refused job" "$refusing"

default=$(lpstat -d)
[ "$default" = "system default destination: $queue" ] ||
    fail "$queue did not become the default printer ($default)"
echo "start-cups: default printer $queue writes into $out"
