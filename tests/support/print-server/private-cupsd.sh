#!/usr/bin/env bash
# A CUPS print server of the tests' own: its own folders, configuration and
# socket, run as an ordinary user, with a queue whose backend copies every
# job into a folder. Nothing of the machine's printing is read or changed:
# clients find it through CUPS_SERVER and pick the queue with LPDEST.
#
# Usage: private-cupsd.sh start FOLDER QUEUE
#        private-cupsd.sh stop FOLDER
#
# start makes FOLDER/cups.sock, the queue QUEUE (jobs land in FOLDER/out as
# job-N.pdf) and QUEUE-refusing (which turns every job away), and writes the
# server's process id into FOLDER/cupsd.pid.
set -euo pipefail

action=$1
folder=$2

fail() {
    echo "private-cupsd: $*" >&2
    exit 1
}

stop() {
    if [ -f "$folder/cupsd.pid" ]; then
        pid=$(cat "$folder/cupsd.pid")
        if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "cupsd" ]; then
            kill -CONT "$pid" 2>/dev/null || true # a test may have stopped it
            kill "$pid" 2>/dev/null || true
            for _ in $(seq 1 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
        fi
    fi
    rm -rf "$folder"
}

if [ "$action" = stop ]; then
    stop
    exit 0
fi
[ "$action" = start ] || fail "unknown action $action"
queue=$3
for tool in cupsd lpadmin lpstat cupsreject; do
    command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/install-deps.sh"
done

stop # anything left from an earlier run
mkdir -p "$folder"/{conf,bin/backend,spool/tmp,cache,state,log,out,home}
# The server's programs are the system's, but for a backend of our own.
for part in daemon filter cgi-bin notifier monitor driver; do
    [ -e "/usr/lib/cups/$part" ] && ln -s "/usr/lib/cups/$part" "$folder/bin/$part"
done
cat >"$folder/bin/backend/pitwright-out" <<'BACKEND'
#!/bin/sh
# Copies each job into the folder its device address names.
if [ $# -eq 0 ]; then
    echo 'direct pitwright-out "Pitwright test output" "Pitwright test output"'
    exit 0
fi
out=${DEVICE_URI#pitwright-out:}
if [ -n "$6" ]; then
    cp "$6" "$out/.job-$1.part"
else
    cat >"$out/.job-$1.part"
fi
mv "$out/.job-$1.part" "$out/job-$1.pdf"
BACKEND
chmod 0755 "$folder/bin/backend/pitwright-out"

cat >"$folder/conf/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel warn
Browsing Off
WebInterface No
DefaultAuthType None
MaxLogSize 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF

# When the tests run as the superuser, the server still runs as an ordinary
# user, as CUPS's own test scheduler does.
run_as=()
user=$(id -un)
group=$(id -gn)
if [ "$(id -u)" -eq 0 ]; then
    user=nobody
    group=$(id -gn nobody)
    run_as=(setpriv --reuid="$user" --regid="$group" --clear-groups)
fi
cat >"$folder/conf/cups-files.conf" <<CONF
User $user
Group $group
SystemGroup $group
ServerRoot $folder/conf
ServerBin $folder/bin
StateDir $folder/state
CacheDir $folder/cache
RequestRoot $folder/spool
TempDir $folder/spool/tmp
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
Printcap $folder/printcap
FileDevice No
CONF
chmod -R go-w "$folder"
if [ "$(id -u)" -eq 0 ]; then
    chown -R "$user:$group" "$folder"
fi

setsid "${run_as[@]}" cupsd -f -c "$folder/conf/cupsd.conf" -s "$folder/conf/cups-files.conf" \
    </dev/null >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/cupsd.pid"

export CUPS_SERVER=$folder/cups.sock
running() { lpstat -r 2>/dev/null | grep -q "is running"; }
for _ in $(seq 1 100); do
    running && break
    sleep 0.1
done
running || fail "cupsd did not start: $(cat "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null)"

# lpadmin warns that raw queues are old-fashioned; only a failure is shown.
admin() {
    local said
    if ! said=$(lpadmin "$@" 2>&1); then
        echo "$said" >&2
        return 1
    fi
}
admin -p "$queue" -E -v "pitwright-out:$folder/out" -m raw
admin -p "$queue-refusing" -E -v "pitwright-out:$folder/out" -m raw
cupsreject -r "held for a test of a refused job" "$queue-refusing"
echo "private-cupsd: queue $queue at $CUPS_SERVER writes into $folder/out"
