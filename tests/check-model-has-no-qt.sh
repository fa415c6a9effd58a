#!/usr/bin/env bash
# Fails when a source of the model, or a project header it includes, includes a Qt header.
set -euo pipefail
list=$1
status=0
while IFS= read -r source; do
    [ -n "$source" ] || continue
    dir=$(dirname "$source")
    base=${source%.cpp}
    for file in "$source" "$base.h"; do
        [ -f "$file" ] || continue
        if grep -n -E '^\s*#\s*include\s*[<"]Q' "$file"; then
            echo "Qt header in the model: $file"
            status=1
        fi
    done
done <"$list"
count=$(grep -c . "$list")
echo "checked $count model sources"
exit $status
