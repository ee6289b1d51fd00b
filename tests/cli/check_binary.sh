#!/usr/bin/env bash
# The real pitwright-cli: exit statuses, and what goes to stdout and what to
# stderr, as a shell or a script sees them.
#
#     tests/cli/check_binary.sh build/rel/src/cli/pitwright-cli
set -uo pipefail

cli=$(realpath "${1:?usage: check_binary.sh PITWRIGHT_CLI}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

failures=0
# expect STATUS NAME -- COMMAND...: runs it, keeping stdout and stderr.
expect() {
    local status=$1 name=$2
    shift 3
    "$@" >out 2>err
    local got=$?
    if [ "$got" -ne "$status" ]; then
        echo "FAIL: $name: status $got, expected $status" >&2
        cat err >&2
        failures=$((failures + 1))
        return 1
    fi
    echo "ok:   $name"
}
check() {
    if ! eval "$2"; then
        echo "FAIL: $1" >&2
        failures=$((failures + 1))
    fi
}

printf '100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n' >wall.DAT
printf '100\r\n10\r\n5\r\n45\r\n\r\n60\r\n55\r\n' >steep.DAT
printf '327680\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n' >tall.DAT
printf '%s\r\n' 'id,slope height,bench height,benches per stack,crest-to-toe,stack angle,bench angle' \
    'a,100,10,5,45,60,75' 'b,327680,10,5,45,60,75' >designs.csv

expect 0 "--version" -- "$cli" --version
check "--version prints the version" 'grep -q "^pitwright-cli [0-9]" out && [ ! -s err ]'

expect 0 "show" -- "$cli" show wall.DAT
check "show prints the fields" 'grep -q "Catchment berms (m): *42.26$" out && [ ! -s err ]'

expect 0 "show with a corrected angle" -- "$cli" show steep.DAT
check "the correction on stderr only" \
    'grep -q "^Angle error: " err && ! grep -q "Angle error" out'

expect 1 "show of a refused design" -- "$cli" show --json tall.DAT
check "the refusal on stderr, JSON on stdout" \
    'grep -q "cannot be drawn" err && grep -q "\"drawn\": false" out'

expect 0 "export --asc" -- "$cli" export wall.DAT --asc wall.ASC
check "the 3D file is written, nothing said" \
    '[ "$(head -c 11 wall.ASC | od -An -c | tr -d " \n")" = "0\t0\t0\t3\t0\r\n" ] && [ ! -s err ]'

# The painted sections need no display: an offscreen application of their own.
expect 0 "export of painted sections" -- env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$cli" export wall.DAT --section wall.png
check "a PNG page, nothing said" '[ "$(file -b --mime-type wall.png)" = image/png ] && [ ! -s err ]'
expect 0 "export of a PDF section" -- env -u DISPLAY "$cli" export wall.DAT --section wall.pdf
check "a PDF page" '[ "$(head -c 5 wall.pdf)" = "%PDF-" ] && [ ! -s err ]'

expect 0 "sweep to stdout" -- "$cli" sweep designs.csv
check "three rows, no progress bar when stderr is no terminal" \
    '[ "$(wc -l <out)" -eq 3 ] && [ ! -s err ]'

expect 2 "unknown command" -- "$cli" draw wall.DAT
check "usage error on stderr" '[ ! -s out ] && grep -q "pitwright-cli --help" err'

# On a terminal the sweep draws its bar on stderr, and still nothing else
# goes to stdout.
if command -v script >/dev/null; then
    script -qec "'$cli' sweep designs.csv -o results.csv" /dev/null >terminal 2>&1
    check "a progress summary on a terminal" 'grep -q "2 designs, 1 with a reason" terminal'
    check "the results with a terminal" '[ "$(wc -l <results.csv)" -eq 3 ]'
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of pitwright-cli failed" >&2
    exit 1
fi
