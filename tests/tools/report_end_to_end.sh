#!/usr/bin/env bash
# kpt740-cli report from the outside: the PDF's pages, items, languages and failures.
set -u
cli=$1
programFolder=$2
work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
# Qt wants a private runtime folder; a missing one costs a warning line on standard error.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
failures=0
check() { # check NAME COMMAND...
    local name=$1
    shift
    if ! "$@"; then
        echo "FAILED: $name"
        failures=$((failures + 1))
    fi
}
fails_with_one_line() { # fails_with_one_line COMMAND...
    "$@" >out.txt 2>err.txt && return 1
    [ "$(wc -l <err.txt)" -eq 1 ] && grep -q '^kpt740-cli: ' err.txt
}
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
text() { pdftotext -layout "$1" -; }
footers_run_through() { # every page ends with its own number
    local n
    n=$(pages "$1")
    for ((i = 1; i <= n; i++)); do
        pdftotext -layout -f "$i" -l "$i" "$1" - | grep -Eq "^ *- *$i *- *$" || return 1
    done
}

opts=(--program-folder "$programFolder")
check "new" "$cli" new "${opts[@]}" -o a.dat
check "report of every item" "$cli" report "${opts[@]}" a.dat -o all.pdf
check "usage names the report" sh -c "'$cli' --help | grep -q 'report FILE.dat -o REPORT.pdf'"
check "a page per section at least" test "$(pages all.pdf)" -ge 9
check "header on the pages" test "$(text all.pdf | grep -c 'KPT740 Radio Programming Information')" -eq "$(pages all.pdf)"
check "page numbers run through" footers_run_through all.pdf
check "file name in the header" sh -c "pdftotext -layout all.pdf - | grep -q 'File Name *a.dat'"

check "channels only" "$cli" report "${opts[@]}" a.dat -o ch.pdf --items 0
check "one channel page" test "$(pages ch.pdf)" -eq 1
check "the VFO is printed" sh -c "pdftotext -layout ch.pdf - | grep -q 'VFO'"

check "Chinese report" "$cli" report "${opts[@]}" a.dat -o zh.pdf --items 0,7 --language 2
check "Chinese captions" sh -c "pdftotext zh.pdf - | grep -q '对讲机编程信息' && pdftotext zh.pdf - | grep -q '信道信息'"
check "two Chinese pages" test "$(pages zh.pdf)" -eq 2

check "items 1 and 2 print nothing" fails_with_one_line "$cli" report "${opts[@]}" a.dat -o none.pdf --items 1,2
check "no empty PDF" test ! -e none.pdf
check "missing data file" fails_with_one_line "$cli" report "${opts[@]}" nothing.dat -o x.pdf
check "file error named" grep -q 'file error.' err.txt
check "bad item" fails_with_one_line "$cli" report "${opts[@]}" a.dat -o x.pdf --items 0,10
check "bad language" fails_with_one_line "$cli" report "${opts[@]}" a.dat -o x.pdf --language 4
check "missing output" fails_with_one_line "$cli" report "${opts[@]}" a.dat
check "unwritable output" fails_with_one_line "$cli" report "${opts[@]}" a.dat -o no/such/x.pdf
check "nothing written on failure" test ! -e x.pdf
mkdir -p no-language
check "missing language file" fails_with_one_line "$cli" report --program-folder no-language a.dat -o x.pdf
check "language file named" grep -q 'language file' err.txt
check "nothing written without texts" test ! -e x.pdf
# Without --program-folder the program finds the language files as the GUI does.
check "default program folder" "$cli" report a.dat -o default.pdf --items 0
check "labels from the language file" sh -c "pdftotext -layout default.pdf - | grep -q 'RX Freq'"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all report checks passed"
