#!/usr/bin/env bash
# Checks how the source folders include each other. They form layers, each using only those
# below it or its own:
#   common → layout, paper, calibration, settings → imaging → print, source → export, printing
#   → app, cli
# Within a layer a folder may use another, but no folders may use each other in a circle.
# Prints every include against that and exits with status 1 when there is one.
# Usage: tools/check_layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
declare -A rank=([common]=0 [layout]=1 [paper]=1 [calibration]=1 [settings]=1
                 [imaging]=2 [print]=3 [source]=3 [export]=4 [printing]=4 [app]=5 [cli]=5)
status=0
edges=""
for dir in "${!rank[@]}"; do
    files=("$root/$dir"/*.h "$root/$dir"/*.cpp)
    while IFS=: read -r file line text; do
        to=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([a-z_]+)\/.*/\1/' <<<"$text")
        [[ -v rank[$to] && $to != "$dir" ]] || continue
        edges+="$dir $to"$'\n'
        if ((rank[$to] > rank[$dir])); then
            echo "${file#"$root"/}:$line: $dir/ includes $to/, a layer above it"
            status=1
        fi
    done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/' "${files[@]}" 2>/dev/null || true)
done
if ! loop=$(tsort <<<"$edges" 2>&1 >/dev/null); then
    echo "folders include each other in a circle: $(grep -v 'input contains a loop' <<<"$loop" |
        sed 's/^tsort: //' | awk '!seen[$0]++' | paste -sd' ')"
    status=1
fi
exit $status
