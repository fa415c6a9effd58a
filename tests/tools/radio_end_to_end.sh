#!/usr/bin/env bash
# kpt740-cli against kpt740-radio-sim over a pseudo-terminal: read, write and info, with and
# without injected faults, and a radio that falls silent.
set -u
cli=$1
sim=$2
resources=$3
work=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
passes=0
sim_pid=
check() { # check NAME COMMAND...
    local name=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
    else
        echo "FAILED: $name"
        failures=$((failures + 1))
    fi
}
stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null
        wait "$sim_pid" 2>/dev/null
        sim_pid=
    fi
}
trap stop_sim EXIT
start_sim() { # start_sim ARGS...: the terminal path lands in $pty
    stop_sim
    "$sim" "$@" >sim.out 2>sim.err &
    sim_pid=$!
    for _ in $(seq 1 100); do
        pty=$(head -n 1 sim.out 2>/dev/null)
        [ -n "$pty" ] && return 0
        sleep 0.05
    done
    echo "the simulator did not start"
    cat sim.err
    return 1
}
# Bytes FIRST..16383 of a file.
tail_of() { tail -c +"$(($2 + 1))" "$1"; }
same_from() { cmp -s <(tail_of "$1" "$3") <(tail_of "$2" "$3"); }

cli_opts=(--program-folder "$resources" --retries 3)

# A radio with channels and settings of its own: a configuration made by the CLI.
"$cli" new "${cli_opts[@]}" --band 2 -o radio.dat
"$cli" encode "${cli_opts[@]}" radio.dat -o radio.bin

# --- read ---------------------------------------------------------------------------------
start_sim --band 2 --image radio.bin --save mem.bin
check "read" "$cli" read "${cli_opts[@]}" --port "$pty" -o read.dat --image-out read.bin
check "read reproduces bytes 16-16383" same_from read.bin mem.bin 16
"$cli" decode "${cli_opts[@]}" mem.bin --band 2 -o decoded.dat
check "read decodes as the image decodes" cmp -s read.dat decoded.dat
check "read channel file" cmp -s read.fre decoded.fre

# --- write --------------------------------------------------------------------------------
"$cli" new "${cli_opts[@]}" --band 2 -o write.dat
"$cli" encode "${cli_opts[@]}" write.dat -o write.bin
cp mem.bin before.bin
check "write" "$cli" write "${cli_opts[@]}" --port "$pty" write.dat
stop_sim # saves the memory
check "write leaves bytes 256-16383 as encoded" same_from mem.bin write.bin 256
check "write leaves bytes 0-255 alone" cmp -s <(head -c 256 mem.bin) <(head -c 256 before.bin)

# --- faults: drops, corrupted replies and NAKs still give the right result -----------------
start_sim --band 2 --image radio.bin --save mem.bin --drop-every 97 --corrupt-every 89 --nak-every 83
check "read through faults" "$cli" read "${cli_opts[@]}" --port "$pty" -o faulty.dat --image-out faulty.bin
check "faulty read is exact" same_from faulty.bin radio.bin 16
check "write through faults" "$cli" write "${cli_opts[@]}" --port "$pty" write.dat
stop_sim
check "faulty write is exact" same_from mem.bin write.bin 256

# --- the port map and the embedded information --------------------------------------------
printf '[language]\ncomPort=1\n[ports]\n' >settings.ini
start_sim --band 2 --image radio.bin --register 7 --settings settings.ini
check "registered" grep -q "^7=$pty" settings.ini
check "info by port number" "$cli" info "${cli_opts[@]}" --settings settings.ini --port 7
"$cli" info "${cli_opts[@]}" --settings settings.ini --port 7 >info.txt 2>/dev/null
check "info lists the serial number" grep -q "^Serial number: " info.txt
stop_sim
check "unregistered at exit" test -z "$(grep '^7=' settings.ini)"

# --- a radio that answers the wrong band, and one that falls silent ------------------------
start_sim --band 49 --image radio.bin
"$cli" write "${cli_opts[@]}" --port "$pty" write.dat >out.txt 2>err.txt
check "wrong band refused" test $? -ne 0
check "wrong band explained" grep -q "Writing to the radio failed" err.txt
start_sim --band 2 --image radio.bin --silent-after 40
"$cli" read "${cli_opts[@]}" --retries 1 --port "$pty" -o never.dat >out.txt 2>err.txt
check "silence fails" test $? -ne 0
check "silence reports the outcome" grep -q "Reading from the radio failed" err.txt
check "nothing saved after a failed read" test ! -e never.dat
"$cli" read "${cli_opts[@]}" --port /dev/no-such-port -o never.dat >out.txt 2>err.txt
check "missing port fails" test $? -ne 0
stop_sim

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
