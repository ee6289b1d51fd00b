#!/usr/bin/env bash
# pitwright-cli export --asc of the largest design the 3D file takes (32,767
# benches of 0.4 m, 7 to a stack: 21.48 MB), from process start to the file
# on disk, beside dd writing the same bytes to disk (conv=fdatasync), turn by
# turn in the same run; the medians and their ratio.
#
#   bench/cli-export-time.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail

build=${1:-build/bench}
runs=${2:-10}
cli=$(realpath "$build/src/cli/pitwright-cli")
work=$(mktemp -d -p "${TMPDIR:-/var/tmp}")
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '13106.8\r\n0.4\r\n7\r\n45\r\n\r\n60\r\n75\r\n' >largest.DAT

milliseconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }

"$cli" export largest.DAT --asc reference.ASC
bytes=$(stat -c %s reference.ASC)
ours=()
dds=()
for _ in $(seq "$runs"); do
    rm -f out.ASC copy.ASC
    ours+=("$(milliseconds "$cli" export largest.DAT --asc out.ASC)")
    cmp -s out.ASC reference.ASC || { echo "the file changed between runs" >&2; exit 1; }
    dds+=("$(milliseconds dd if=reference.ASC of=copy.ASC bs=1M conv=fdatasync)")
done
m_ours=$(median "${ours[@]}")
m_dd=$(median "${dds[@]}")
echo "pitwright-cli export --asc, $bytes bytes, ms: ${ours[*]}"
echo "dd conv=fdatasync of the same bytes, ms:     ${dds[*]}"
awk -v a="$m_ours" -v b="$m_dd" \
    'BEGIN { printf "median %d ms against %d ms: %.2f x dd\n", a, b, a / (b > 0 ? b : 1) }'
