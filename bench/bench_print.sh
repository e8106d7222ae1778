#!/usr/bin/env bash
# Times printing a 3x3 A4 poster against the PDF export of the same poster, side by side in one
# run, from a 24- and a 96-megapixel photo: `print --via pdf` (the export's PDF handed to CUPS,
# the default on Linux and macOS) and `print --via painter` (Qt draws the pages on a QPrinter,
# the portable way), each until the queue has accepted the job. Goal: printing <= 1.5 x the
# export's time, peak memory <= the export's + 64 MB. Also reports what reached the queue (the
# spooled document's size). The queue is a file: queue on a CUPS scheduler of the bench's own
# (private folder and socket), stopped by its process id at the end.
#
#   bench/bench_print.sh          # both sizes, 3 runs each (best wall time is reported)
#   RUNS=1 SIZES=24 bench/bench_print.sh
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-3}
SIZES=${SIZES:-"24 96"}
WORK=${WORK:-$(mktemp -d /tmp/tessellon-bench-print.XXXXXX)}
chmod 755 "$WORK"
CLI=$PWD/build/tessellon-cli
./build.sh >/dev/null

# The private scheduler: one PostScript queue with A4, writing into a file.
C=$WORK/cups
mkdir -p "$C"/conf/ppd "$C"/spool "$C"/tmp "$C"/cache "$C"/state "$C"/log "$C"/out
chmod 1777 "$C"/tmp "$C"/out
chmod 755 "$C" "$C"/conf "$C"/spool
printf 'Listen %s\nLogLevel warn\nWebInterface No\nBrowsing Off\nPreserveJobFiles Yes\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n' \
    "$C/cups.sock" >"$C"/conf/cupsd.conf
printf 'ServerRoot %s\nRequestRoot %s\nTempDir %s\nCacheDir %s\nStateDir %s\nErrorLog %s\nAccessLog %s\nPageLog %s\nFileDevice Yes\nSystemGroup root\n' \
    "$C/conf" "$C/spool" "$C/tmp" "$C/cache" "$C/state" "$C/log/error_log" "$C/log/access_log" \
    "$C/log/page_log" >"$C"/conf/cups-files.conf
cat >"$C"/conf/ppd/bench.ppd <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "BENCH.PPD"
*Manufacturer: "Tessellon"
*Product: "(Bench)"
*ModelName: "Tessellon Bench"
*NickName: "Tessellon Bench"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*OpenUI *PageSize/Media Size: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
PPD
printf '<DefaultPrinter bench>\nDeviceURI file:///dev/null\nState Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n' \
    >"$C"/conf/printers.conf
/usr/sbin/cupsd -f -c "$C"/conf/cupsd.conf -s "$C"/conf/cups-files.conf &
CUPSD=$!
trap 'kill $CUPSD 2>/dev/null; wait $CUPSD 2>/dev/null || true' EXIT
export CUPS_SERVER=$C/cups.sock
for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done

[ -x /usr/bin/vips ] || { echo "bench_print.sh needs libvips-tools (apt-get install libvips-tools)"; exit 1; }

make_source() { # width height file
    [ -f "$3" ] && return
    /usr/bin/convert -size 1500x1000 -seed 7 plasma:fractal -blur 0x3 -resize "$(($1 / 4))x$(($2 / 4))!" \
        -attenuate 0.4 +noise Gaussian -quality 92 "$WORK/half.jpg"
    /usr/bin/vips resize "$WORK/half.jpg" "$3[Q=92]" 4
}

best() { # label cmd... ; prints label, best seconds, peak MB of that run
    local label=$1 bestS="" bestM=""
    shift
    for _ in $(seq "$RUNS"); do
        /usr/bin/time -f "%e %M" -o "$WORK/time" "$@" >/dev/null 2>&1
        read -r s m <"$WORK/time"
        if [ -z "$bestS" ] || awk "BEGIN{exit !($s < $bestS)}"; then bestS=$s bestM=$m; fi
    done
    printf '%-22s %8.2f s %8.0f MB\n' "$label" "$bestS" "$((bestM / 1024))"
}

POSTER=(--tiles 3x3 --paper a4)
for mp in $SIZES; do
    case $mp in 24) w=6000 h=4000 ;; 96) w=12000 h=8000 ;; esac
    src=$WORK/photo_$mp.jpg
    make_source $w $h "$src"
    echo "== ${mp} MP, 3x3 A4 =="
    best "export --format pdf" "$CLI" export "$src" "${POSTER[@]}" --format pdf --yes --out "$WORK/p.pdf"
    for via in pdf painter; do
        rm -f "$C"/spool/d*
        best "print --via $via" "$CLI" print "$src" "${POSTER[@]}" --printer bench --via "$via"
        echo "    spooled: $(du -cb "$C"/spool/d* | tail -1 | cut -f1) bytes over $RUNS job(s); export PDF $(stat -c %s "$WORK/p.pdf") bytes"
    done
done
