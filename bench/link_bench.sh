#!/usr/bin/env bash
# Times a full read and a full write of kpt740-cli against kpt740-radio-sim:
#  - without wire timing: what the program and the pseudo-terminal cost per block;
#  - with 9600-baud wire timing: the ratio of the measured time to the wire time of the bytes the
#    radio side sends (echo + reply, 10 bits a byte).
# Usage: bench/link_bench.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cli=$(find "$build" -name kpt740-cli -type f -perm -u+x | head -n 1)
sim=$(find "$build" -name kpt740-radio-sim -type f -perm -u+x | head -n 1)
work=$(mktemp -d)
trap 'kill $sim_pid 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
opts=(--program-folder "$root/resources")
"$cli" new "${opts[@]}" -o w.dat >/dev/null

start_sim() {
    "$sim" "$@" >sim.out 2>/dev/null &
    sim_pid=$!
    for _ in $(seq 1 100); do
        pty=$(head -n 1 sim.out 2>/dev/null) && [ -n "$pty" ] && return 0
        sleep 0.05
    done
    return 1
}
seconds() { # seconds COMMAND...: wall time of a command
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

# Bytes the radio side sends: handshake 3+7 echo, identify 16+1, password 22+4, END 1+3,
# then per read block 4 echo + 22 reply, per write block 22 echo + 1 reply.
read_bytes=$((10 + 17 + 26 + 1023 * 26 + 4))
write_bytes=$((10 + 17 + 26 + 1008 * 23 + 4))

for mode in plain wire; do
    extra=()
    [ "$mode" = wire ] && extra=(--wire-timing)
    start_sim "${extra[@]}"
    r=$(seconds "$cli" read "${opts[@]}" --port "$pty" -o r.dat)
    w=$(seconds "$cli" write "${opts[@]}" --port "$pty" w.dat)
    kill "$sim_pid"
    wait "$sim_pid" 2>/dev/null || true
    if [ "$mode" = plain ]; then
        printf 'no wire timing: read %.3f s (%.3f ms/block), write %.3f s (%.3f ms/block)\n' \
            "$r" "$(echo "$r * 1000 / 1023" | bc -l)" "$w" "$(echo "$w * 1000 / 1008" | bc -l)"
    else
        rw=$(echo "$read_bytes * 10 / 9600" | bc -l)
        ww=$(echo "$write_bytes * 10 / 9600" | bc -l)
        printf '9600 baud: read %.2f s of %.2f s wire time (ratio %.3f), write %.2f s of %.2f s (ratio %.3f)\n' \
            "$r" "$rw" "$(echo "$r / $rw" | bc -l)" "$w" "$ww" "$(echo "$w / $ww" | bc -l)"
    fi
done
