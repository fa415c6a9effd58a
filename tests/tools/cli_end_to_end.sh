#!/usr/bin/env bash
# kpt740-cli from the outside: new, show, encode, decode, and its failures.
set -u
cli=$1
work=$2
rm -rf "$work" && mkdir -p "$work/empty" && cd "$work" || exit 1
failures=0
passes=0
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
byte() { od -An -tx1 -j "$2" -N "${3:-1}" "$1" | tr -d ' \n'; }
fails_with_one_line() { # fails_with_one_line COMMAND...
    "$@" >out.txt 2>err.txt && return 1
    [ "$(wc -l <err.txt)" -eq 1 ] && grep -q '^kpt740-cli: ' err.txt
}

opts=(--program-folder "$work/empty")
check "help" "$cli" --help
check "new default band" "$cli" new "${opts[@]}" -o a.dat
check "data file size" test "$(stat -c %s a.dat)" -eq 8586
check "channel file size" test "$(stat -c %s a.fre)" -eq 108
check "encode" "$cli" encode "${opts[@]}" a.dat -o a.bin
check "image size" test "$(stat -c %s a.bin)" -eq 16384
check "VFO at 445 MHz" test "$(byte a.bin 704 4)" = "04450000"
check "welcome text" test "$(byte a.bin 992 7)" = "$(printf Welcome | od -An -tx1 | tr -d ' \n')"
check "power-on password" test "$(byte a.bin 528 6)" = "000000000000"
check "bitmaps blank" test "$(byte a.bin 256 4)" = "ffffffff"
check "2-Tone header" test "$(byte a.bin 768 24)" = "910c4124483a34140005050a000000000c91244118794fd6"
check "2-Tone bitmap" test "$(byte a.bin 896 4)" = "feffffff"
check "scan defaults" test "$(byte a.bin 944 14)" = "00000005050000000000ffffffff"
check "alert defaults" test "$(byte a.bin 928 13)" = "0000000000000000ff00000105"
check "show" "$cli" show "${opts[@]}" a.dat
"$cli" show "${opts[@]}" a.dat >show.txt
check "show lists the VFO" grep -q $'^VFO\t445.00000\t445.00000' show.txt
check "show names the band" grep -q '^Band: 49 Rx(400 - 489.9950 MHz)' show.txt
check "show summarises the features" grep -q "^Optional features: welcome text \"Welcome\"" show.txt

check "new band 2" "$cli" new "${opts[@]}" --band 2 -o b.dat
check "encode band 2" "$cli" encode "${opts[@]}" b.dat -o b.bin
check "VFO at 155 MHz" test "$(byte b.bin 704 4)" = "01550000"
check "decode" "$cli" decode "${opts[@]}" b.bin --band 2 -o c.dat
check "re-encode" "$cli" encode "${opts[@]}" c.dat -o c.bin
check "round trip identical" cmp -s b.bin c.bin
check "decode sanitises the band" "$cli" decode "${opts[@]}" b.bin --band 60 -o d.dat
check "sanitised band is 48" test "$(byte d.dat 0 2)" = "3000"

check "missing file" fails_with_one_line "$cli" show "${opts[@]}" nothing.dat
cp a.dat lonely.dat
check "missing channel file" fails_with_one_line "$cli" encode "${opts[@]}" lonely.dat -o x.bin
check "nothing written on failure" test ! -e x.bin
head -c 100 a.bin >short.bin
check "short image" fails_with_one_line "$cli" decode "${opts[@]}" short.bin --band 49 -o e.dat
check "decode needs a band" fails_with_one_line "$cli" decode "${opts[@]}" a.bin -o e.dat
check "unknown command" fails_with_one_line "$cli" frobnicate
check "bad band" fails_with_one_line "$cli" new "${opts[@]}" --band x -o f.dat
check "new needs -o" fails_with_one_line "$cli" new "${opts[@]}"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
