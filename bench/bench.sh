#!/usr/bin/env bash
# Times tessellon-cli export against ImageMagick and libvips on the same photo-like JPEGs, side by
# side in one run: 5x5 JPEG tiles from a 24-megapixel and a 96-megapixel source. Then the poster
# PDF against the JPEG tiles of the same poster, 5x5 and 25x25 (PDF goal: <= 1.2 x the time and
# <= the JPEG peak + 64 MB), with its assembly aids (the default) and without them.
#
# Then, for the 24-megapixel photo, the tile formats against their floor (bench/bench_floor: one
# decode, one encode per tile with the same library, no syncing): TIFF and BMP 5x5 tiles (and
# libvips for TIFF), 25x25 JPEG tiles; medians of RUNS runs, the highest peak memory. OLD_CLI
# names another build of tessellon-cli to time beside this one (e.g. main's, which synced every
# tile).
#
# PARTS=bands (not run by default: it makes a photo of about 400 MB) measures the peak memory of
# a large JPEG's export read a band of rows at a time against the same export decoded whole
# (--decode-whole): 5x5 JPEG tiles and a 3x3 A4 PDF of a BAND_SIZE photo (default 24000x16000,
# 384 megapixels; 38400x25600 is about a gigapixel).
#
#   bench/bench.sh            # both sizes, 3 runs each (best wall time is reported)
#   RUNS=1 SIZES=24 bench/bench.sh
#   PARTS=formats RUNS=5 OLD_CLI=/tmp/main/build/tessellon-cli bench/bench.sh
#   PARTS=bands RUNS=1 BAND_SIZE=38400x25600 bench/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-3}
SIZES=${SIZES:-"24 96"}
WORK=${WORK:-$(mktemp -d /tmp/tessellon-bench.XXXXXX)}
mkdir -p "$WORK"

# The peers come from Debian's packages; /usr/bin is named explicitly so that no wrapper earlier on
# PATH stands in for them.
need=()
[ -x /usr/bin/convert ] || need+=(imagemagick)
[ -x /usr/bin/vips ] || need+=(libvips-tools)
[ -x /usr/bin/time ] || need+=(time)
if [ ${#need[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${need[@]}"
fi
./build.sh >/dev/null
cmake --build build --target bench_floor >/dev/null
PARTS=${PARTS:-"peers formats"}
OLD_CLI=${OLD_CLI:-}

CLI=$PWD/build/tessellon-cli
FLOOR=$PWD/build/bench_floor
CONVERT=/usr/bin/convert
VIPS=/usr/bin/vips

# A smooth fractal landscape with fine grain compresses like a photograph, unlike flat test
# patterns.
make_source() { # width height file
    [ -f "$3" ] && return
    if ! $CONVERT -size 1500x1000 -seed 7 plasma:fractal -blur 0x3 -resize "$1x$2!" \
        -attenuate 0.4 +noise Gaussian -quality 92 "$3" 2>/dev/null; then
        # ImageMagick's resource policy can refuse a picture this large: make one of half the
        # width and height and let libvips enlarge it.
        local half=$WORK/half_$1x$2.jpg
        $CONVERT -size 1500x1000 -seed 7 plasma:fractal -blur 0x3 -resize "$(($1 / 2))x$(($2 / 2))!" \
            -attenuate 0.4 +noise Gaussian -quality 92 "$half"
        $VIPS resize "$half" "$3[Q=92]" 2
        rm -f "$half"
    fi
}

# Runs a command under /usr/bin/time -v; prints "seconds max_rss_kb".
measure() { # outdir cmd...
    local out=$1
    shift
    rm -rf "$out"
    mkdir -p "$out"
    local log
    log=$(mktemp)
    if ! /usr/bin/time -v "$@" >/dev/null 2>"$log"; then
        echo "FAILED: $*" >&2
        tail -5 "$log" >&2
        rm -f "$log"
        echo "nan 0"
        return
    fi
    awk -F': ' '/Elapsed \(wall clock\)/ {
                    n = split($2, p, ":"); s = 0
                    for (i = 1; i <= n; i++) s = s * 60 + p[i]
                    wall = s }
                /Maximum resident set size/ { rss = $2 }
                END { printf "%.3f %d\n", wall, rss }' "$log"
    rm -f "$log"
}

best() { # runs the measurement RUNS times, keeps the fastest wall time and the highest RSS
    local bw="" br=0 w r
    for ((i = 0; i < RUNS; i++)); do
        read -r w r < <(measure "$@")
        if [ -z "$bw" ] || awk "BEGIN{exit !($w < $bw)}"; then bw=$w; fi
        [ "$r" -gt "$br" ] && br=$r
    done
    echo "$bw $br"
}

median() { # runs the measurement RUNS times; prints the median wall time and the highest RSS
    local walls=() br=0 w r
    for ((i = 0; i < RUNS; i++)); do
        read -r w r < <(measure "$@")
        walls+=("$w")
        [ "$r" -gt "$br" ] && br=$r
    done
    printf '%s\n' "${walls[@]}" | sort -g | awk -v rss="$br" '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.3f %d\n", m, rss }'
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
printf '%-6s %-12s %9s %10s %9s\n' "source" "program" "wall s" "peak MB" "vs tess"
[[ " $PARTS " == *" peers "* ]] || SIZES=""
for mp in $SIZES; do
    case $mp in
    24) w=6000 h=4000 ;;
    96) w=12000 h=8000 ;;
    *) echo "unknown size $mp" >&2; exit 2 ;;
    esac
    src=$WORK/photo_${mp}mp.jpg
    make_source $w $h "$src"
    # Tile print size 6 x 4 inches: a 5 x 5 poster has the photo's own 3:2 shape, so the whole
    # photo is cut into 25 tiles of w/5 x h/5 pixels, as ImageMagick's crop does.
    read -r tw tr < <(best "$WORK/tess" "$CLI" export "$src" --tiles 5x5 --custom 6x4 --margins 0 \
        --out "$WORK/tess/tiles" --format jpg --yes)
    read -r cw cr < <(best "$WORK/im" $CONVERT "$src" -crop 5x5@ +repage "$WORK/im/tile_%02d.jpg")
    read -r vw vr < <(best "$WORK/vips" $VIPS dzsave "$src" "$WORK/vips/out" --depth one \
        --tile-size 1200 --overlap 0 --suffix .jpg)
    decoded_mb=$((w * h * 4 / 1048576))
    for row in "tessellon $tw $tr" "imagemagick $cw $cr" "libvips $vw $vr"; do
        read -r name wall rss <<<"$row"
        ratio=$(awk "BEGIN{ if ($tw > 0) printf \"%.2f\", $wall / $tw; else print \"-\" }")
        printf '%-6s %-12s %9s %10d %9s\n' "${mp}MP" "$name" "$wall" $((rss / 1024)) "$ratio"
    done
    echo "        decoded source ${decoded_mb} MB; memory goal <= $((2 * decoded_mb + 64)) MB;" \
        "goals: tessellon <= 0.3 x imagemagick and <= libvips"
    for grid in 5x5 25x25; do
        read -r jw jr < <(best "$WORK/tess" "$CLI" export "$src" --tiles $grid --custom 6x4 \
            --margins 0 --out "$WORK/tess/tiles" --format jpg --yes)
        read -r pw pr < <(best "$WORK/tess" "$CLI" export "$src" --tiles $grid --custom 6x4 \
            --margins 0 --out "$WORK/tess/poster.pdf" --format pdf --yes)
        read -r nw nr < <(best "$WORK/tess" "$CLI" export "$src" --tiles $grid --custom 6x4 \
            --margins 0 --out "$WORK/tess/poster.pdf" --format pdf --yes --no-labels --no-marks \
            --no-overview)
        ratio=$(awk "BEGIN{ if ($jw > 0) printf \"%.2f\", $pw / $jw; else print \"-\" }")
        nratio=$(awk "BEGIN{ if ($jw > 0) printf \"%.2f\", $nw / $jw; else print \"-\" }")
        printf '%-6s %-12s %9s %10d %9s\n' "${mp}MP" "jpg $grid" "$jw" $((jr / 1024)) "1.00"
        printf '%-6s %-12s %9s %10d %9s\n' "${mp}MP" "pdf $grid" "$pw" $((pr / 1024)) "$ratio"
        printf '%-6s %-12s %9s %10d %9s\n' "${mp}MP" "pdf no aids" "$nw" $((nr / 1024)) "$nratio"
        echo "        PDF goals: <= 1.2 x jpg tiles; peak <= $((jr / 1024 + 64)) MB"
    done
done
formats() {
    local src=$WORK/photo_24mp.jpg tif=$WORK/photo_24mp.tif bmp=$WORK/photo_24mp.bmp
    make_source 6000 4000 "$src"
    [ -f "$tif" ] || $CONVERT "$src" -compress none "$tif"
    [ -f "$bmp" ] || $CONVERT "$src" BMP3:"$bmp"
    local poster=(--custom 6x4 --margins 0 --yes)
    echo "24 MP, medians of $RUNS (wall s, peak MB, ratio to the floor)"
    row() { # label floor_seconds measurement...
        local label=$1 fw=$2 w r
        shift 2
        read -r w r < <(median "$@")
        printf '  %-34s %8s %8d %8s\n' "${label/$OLD_CLI/old}" "$w" $((r / 1024)) \
            "$(awk "BEGIN{ if ($fw > 0) printf \"%.2f\", $w / $fw; else print \"-\" }")"
    }
    local fw fr
    for kind in tiff bmp; do
        local in=$tif ext=tif
        [ $kind = bmp ] && in=$bmp ext=bmp
        read -r fw fr < <(median "$WORK/floor" "$FLOOR" $kind "$in" "$WORK/floor" 5x5)
        printf '  %-34s %8s %8d %8s\n' "$kind 5x5 floor" "$fw" $((fr / 1024)) "1.00"
        row "$kind 5x5 tessellon" "$fw" "$WORK/tess" "$CLI" export "$in" --tiles 5x5 \
            --format $ext --out "$WORK/tess/tiles" "${poster[@]}"
        [ -n "$OLD_CLI" ] && row "$kind 5x5 tessellon ($OLD_CLI)" "$fw" "$WORK/tess" "$OLD_CLI" \
            export "$in" --tiles 5x5 --format $ext --out "$WORK/tess/tiles" "${poster[@]}"
        [ $kind = tiff ] && row "tiff 5x5 libvips" "$fw" "$WORK/vips" $VIPS dzsave "$in" \
            "$WORK/vips/out" --depth one --tile-size 1200 --overlap 0 --suffix .tif
    done
    read -r fw fr < <(median "$WORK/floor" "$FLOOR" jpeg "$src" "$WORK/floor" 25x25)
    printf '  %-34s %8s %8d %8s\n' "jpeg 25x25 floor (no sync)" "$fw" $((fr / 1024)) "1.00"
    row "jpeg 25x25 tessellon (batched sync)" "$fw" "$WORK/tess" "$CLI" export "$src" \
        --tiles 25x25 --format jpg --out "$WORK/tess/tiles" "${poster[@]}"
    [ -n "$OLD_CLI" ] && row "jpeg 25x25 ($OLD_CLI)" "$fw" "$WORK/tess" "$OLD_CLI" export \
        "$src" --tiles 25x25 --format jpg --out "$WORK/tess/tiles" "${poster[@]}"
    # The PDF with all its aids against the JPEG tiles of the same 3 x 3 A4 poster (goal <= 1.2).
    read -r fw fr < <(median "$WORK/tess" "$CLI" export "$src" --tiles 3x3 --paper a4 \
        --format jpg --out "$WORK/tess/tiles" --yes)
    printf '  %-34s %8s %8d %8s\n' "jpeg 3x3 a4 tiles" "$fw" $((fr / 1024)) "1.00"
    row "pdf 3x3 a4, all aids" "$fw" "$WORK/tess" "$CLI" export "$src" --tiles 3x3 --paper a4 \
        --format pdf --out "$WORK/tess/poster.pdf" --yes
    [ -n "$OLD_CLI" ] && row "pdf 3x3 a4 ($OLD_CLI)" "$fw" "$WORK/tess" "$OLD_CLI" export "$src" \
        --tiles 3x3 --paper a4 --format pdf --out "$WORK/tess/poster.pdf" --yes
    return 0
}
[[ " $PARTS " == *" formats "* ]] && formats
bands() {
    local size=${BAND_SIZE:-24000x16000}
    local w=${size%x*} h=${size#*x}
    local src=$WORK/photo_${size}.jpg
    make_source "$w" "$h" "$src"
    echo "$size JPEG ($((w * h / 1000000)) MP, file $(($(stat -c %s "$src") / 1048576)) MB," \
        "decoded $((w * h * 3 / 1048576)) MB): medians of $RUNS (wall s, peak MB)"
    local jpg=(--tiles 5x5 --custom 6x4 --margins 0 --format jpg --out "$WORK/tess/tiles" --yes)
    local pdf=(--tiles 3x3 --paper a4 --format pdf --out "$WORK/tess/poster.pdf" --yes)
    local label wb rb ww rw args
    for label in "jpg 5x5" "pdf 3x3 a4"; do
        if [ "$label" = "jpg 5x5" ]; then args=("${jpg[@]}"); else args=("${pdf[@]}"); fi
        read -r wb rb < <(median "$WORK/tess" "$CLI" export "$src" "${args[@]}")
        read -r ww rw < <(median "$WORK/tess" "$CLI" export "$src" "${args[@]}" --decode-whole)
        printf '  %-28s %8s %8d\n' "$label in bands" "$wb" $((rb / 1024))
        printf '  %-28s %8s %8d\n' "$label decoded whole" "$ww" $((rw / 1024))
    done
    return 0
}
[[ " $PARTS " == *" bands "* ]] && bands
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "work folder: $WORK"
