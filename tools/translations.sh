#!/usr/bin/env bash
# The program's translations, one file per language in translations/ (tessellon_<code>.ts).
#   tools/translations.sh update        brings every file up to date with the sources: new texts
#                                       are added unfinished, texts gone from the code removed
#   tools/translations.sh add CODE      starts the file of a new language (e.g. sv, pt_BR)
#   tools/translations.sh check         exits 1, naming the language, when a file misses a text
#                                       of the code or holds an unfinished or empty entry
# Usage: tools/translations.sh COMMAND [SOURCE_ROOT]
set -euo pipefail
command=${1:?"update, add CODE or check"}
if [[ $command == add ]]; then
    code=${2:?"add needs a language code"}
    root=${3:-"$(dirname "$0")/.."}
else
    root=${2:-"$(dirname "$0")/.."}
fi
root=$(cd "$root" && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
lrelease=$(command -v lrelease || echo /usr/lib/qt6/bin/lrelease)
# Every folder whose code shows text to a user. The command line's own output stays English, but
# it shares the engine's messages, so its folder is read too.
folders=(common layout paper calibration settings imaging print source export printing app cli)

scan() { # scan TS_FILE...
    (cd "$root" && "$lupdate" -silent -I . -locations none -no-obsolete "${folders[@]}" -ts "$@")
}

case $command in
update)
    scan "$root"/translations/tessellon_*.ts
    ;;
add)
    file="$root/translations/tessellon_$code.ts"
    [[ -e $file ]] && { echo "$file exists already"; exit 1; }
    scan "$file"
    sed -i "s/<TS version=\"\([0-9.]*\)\">/<TS version=\"\1\" language=\"$code\" sourcelanguage=\"en\">/" "$file"
    echo "$file started: translate it with Qt Linguist (linguist $file)"
    ;;
check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    status=0
    for ts in "$root"/translations/tessellon_*.ts; do
        name=$(basename "$ts")
        cp "$ts" "$work/$name"
        found=$(cd "$root" && "$lupdate" -I . -locations none -no-obsolete "${folders[@]}" \
                                -ts "$work/$name" 2>&1 | grep 'Found')
        # "Found N source text(s) (M new and K already existing)": a new text is one the file lacks.
        new=$(sed -E 's/.*\(([0-9]+) new.*/\1/' <<<"$found")
        released=$("$lrelease" "$work/$name" -qm "$work/${name%.ts}.qm" 2>&1)
        unfinished=$(sed -nE 's/.*\(([0-9]+) finished and ([0-9]+) unfinished\).*/\2/p' <<<"$released")
        ignored=$(sed -nE 's/.*Ignored ([0-9]+) untranslated.*/\1/p' <<<"$released")
        if [[ $new != 0 || ${unfinished:-0} != 0 || ${ignored:-0} != 0 ]]; then
            echo "$name: $new text(s) of the code missing, ${unfinished:-0} unfinished," \
                 "${ignored:-0} untranslated"
            status=1
        else
            echo "$name: complete ($(sed -E 's/.*Found ([0-9]+) source.*/\1/' <<<"$found") texts)"
        fi
    done
    exit $status
    ;;
*)
    echo "unknown command: $command"
    exit 2
    ;;
esac
