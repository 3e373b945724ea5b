#!/usr/bin/env bash
# Redraws resources/fanwright.ico, the program's icon: a red dragon tile standing on its green
# back, from the public-domain tile art in shared/artwork/tiles. Only needed when the icon is to
# change; the build uses the committed .ico. Needs rsvg-convert (librsvg2-bin) and ImageMagick.
#
#   scripts/make-icon.sh [TILES_DIR]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tiles="${1:-$root/../shared/artwork/tiles}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rsvg-convert -w 600 -h 800 "$tiles/Chun.svg" -o "$work/face.png"

# One frame of the icon at SIZE pixels; small frames get thicker strokes so they stay legible.
frame() {
    local size=$1 stroke=$2 bolden=()
    ((size <= 24)) && bolden=(-morphology Dilate Disk:5)
    convert -size 256x256 xc:none \
        -fill '#1d6b45' -stroke '#0f3d27' -strokewidth "$stroke" -draw 'roundrectangle 46,22 222,250 22,22' \
        -fill '#f7f2e6' -stroke '#6f6a60' -strokewidth "$stroke" -draw 'roundrectangle 34,6 206,236 22,22' \
        \( "$work/face.png" -trim -resize 140x190 "${bolden[@]}" \) \
        -gravity center -geometry -8-8 -composite \
        -filter Lanczos -resize "${size}x${size}" "$work/icon$size.png"
}

frames=()
for size in 16 24 32 48 64 256; do
    frame "$size" $((size <= 24 ? 10 : 4))
    frames+=("$work/icon$size.png")
done
convert "${frames[@]}" -depth 8 "$root/resources/fanwright.ico"
echo "wrote $root/resources/fanwright.ico"
