#!/bin/sh
# Renders the program's pictures from their SVG sources in resources/svg/.
#
#   resources/pictures/*.png   banner, side banner, icons, button and list
#                              pictures, maker's logo, hand pointer
#                              (plus the @2x versions for HiDPI screens)
#   resources/guy.gif          boy picture used by the HTML export
#   resources/girl.gif         girl picture used by the HTML export
#   resources/lullara.ico      Windows program icon (16, 32, 48, 256)
#
# Needs: rsvg-convert (librsvg2-bin) and ImageMagick's convert.
# Run it after changing any SVG; the outputs are committed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
res=$(cd "$here/../resources" && pwd)
svg="$res/svg"
out="$res/pictures"

for tool in rsvg-convert convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "error: $tool not found (install librsvg2-bin / imagemagick)" >&2
        exit 1
    fi
done

mkdir -p "$out"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/lullara-pictures.XXXXXX")
trap 'rm -rf "$tmp"' EXIT INT TERM

# Keep the PNGs free of time stamps and other metadata so that re-running
# the script on unchanged sources gives identical files.
PNGOPTS="-strip -define png:exclude-chunks=date,time"

# png <svg name> <output file> <width> <height>
png() {
    rsvg-convert -w "$3" -h "$4" "$svg/$1.svg" -o "$tmp/raw.png"
    # shellcheck disable=SC2086
    convert "$tmp/raw.png" $PNGOPTS "PNG32:$2"
    check_size "$2" "$3" "$4"
}

# opaque <svg name> <output file> <width> <height>: pictures without any
# transparency (the banners) are stored as plain RGB.
opaque() {
    rsvg-convert -w "$3" -h "$4" "$svg/$1.svg" -o "$tmp/raw.png"
    # shellcheck disable=SC2086
    convert "$tmp/raw.png" -background white -alpha remove -alpha off $PNGOPTS "PNG24:$2"
    check_size "$2" "$3" "$4"
}

check_size() {
    size=$(identify -format '%wx%h' "$1")
    if [ "$size" != "$2x$3" ]; then
        echo "error: $1 is $size, expected $2x$3" >&2
        exit 1
    fi
}

# picture <svg name> <width> <height>: the 1x picture and its @2x version
picture() {
    png "$1" "$out/$1.png" "$2" "$3"
    png "$1" "$out/$1@2x.png" $(($2 * 2)) $(($3 * 2))
}

# Banners (shown in the splash, About and main windows)
opaque banner "$out/banner.png" 540 50
opaque banner "$out/banner@2x.png" 1080 100
opaque side "$out/side.png" 50 540
opaque side "$out/side@2x.png" 100 1080

# Program icon: a hand-tuned drawing for 16 px, the scalable one above that
png lullara-16 "$out/icon16.png" 16 16
png lullara "$out/icon32.png" 32 32
png lullara "$out/icon48.png" 48 48
png lullara "$out/icon256.png" 256 256
convert "$out/icon16.png" "$out/icon32.png" "$out/icon48.png" "$out/icon256.png" \
    "$res/lullara.ico"

# Button pictures
picture hourglass 32 32
picture pause 24 24
picture play 24 24
picture stop 24 24
picture check 16 16
picture cross 16 16

# List pictures
picture doc 16 16
picture men 16 16
picture women 16 16

# Maker's logo
picture logo 80 15

# Hand pointer: one size only, pure black / white / transparent
rsvg-convert -w 32 -h 32 "$svg/hand.svg" -o "$tmp/raw.png"
# shellcheck disable=SC2086
convert "$tmp/raw.png" $PNGOPTS "PNG32:$out/hand.png"
check_size "$out/hand.png" 32 32

# guy.gif / girl.gif for exported HTML pages: the list pictures with their
# soft edges blended onto white and the empty background kept transparent
# (GIF has only on/off transparency).
gif() {
    convert "$1" \
        \( +clone -alpha extract -threshold 12% \) \
        \( -clone 0 -background white -alpha remove -alpha off \) \
        -delete 0 +swap -alpha off -compose CopyOpacity -composite \
        -strip "$2"
    check_size "$2" 16 16
}
gif "$out/men.png" "$res/guy.gif"
gif "$out/women.png" "$res/girl.gif"

echo "pictures rendered into $out"
