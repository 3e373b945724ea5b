#!/usr/bin/env bash
# Redraws the program's pictures under resources/art/ and writes resources/artwork.rc, which
# declares them. Only needed when the artwork is to change: the build uses the committed files.
#
#   scripts/make-art.sh [TILES_DIR]
#
# The tile faces are the public-domain (CC0) vector tiles in shared/artwork/tiles; the tile body,
# icons, cursors and banners are drawn here. Tools: rsvg-convert (librsvg2-bin), ImageMagick and
# the URW fonts (fonts-urw-base35), installed from Debian when missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

root="$FANWRIGHT_ROOT"
tiles="${1:-$root/../shared/artwork/tiles}"
out="$root/resources/art"
work="$(mktemp -d)"
at_exit "rm -rf '$work'"

packages=()
command -v rsvg-convert >/dev/null || packages+=(librsvg2-bin)
has_imagemagick || packages+=(imagemagick)
fc-list | grep -q 'C059-Bold' || packages+=(fonts-urw-base35)
if ((${#packages[@]} > 0)); then
    as_root apt-get update -qq
    as_root apt-get install -y -qq "${packages[@]}"
fi
[[ -d $tiles ]] || { echo "no tile drawings in $tiles" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*

svg() { rsvg-convert "$@"; }

# 24-bit BMP without colour-space header, the form every resource compiler and loader reads.
bmp24() {
    image_convert "$1" -background black -alpha remove -alpha off -type TrueColor "BMP3:$2"
}

# --- Tile bodies ------------------------------------------------------------------------------
# A tile is drawn 8 times larger and averaged down. The face is 40 x 47 pixels; the tile's side
# (3 pixels right, 6 below) shows ivory over the green back. Tiles stand on a 40-pixel pitch, so
# a neighbour covers the right side and the row reads as tiles standing together.
cat >"$work/body.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="344" height="424" viewBox="0 0 43 53">
 <defs>
  <linearGradient id="face" x1="0" y1="0" x2="1" y2="1">
   <stop offset="0" stop-color="#fffef9"/><stop offset="1" stop-color="#f1ead9"/></linearGradient>
  <linearGradient id="back" x1="0" y1="0" x2="0" y2="1">
   <stop offset="0" stop-color="#2f9a5a"/><stop offset="1" stop-color="#17603a"/></linearGradient>
 </defs>
 <rect x="3.5" y="6.5" width="39" height="46" rx="5" fill="url(#back)" stroke="#0e3a20"/>
 <rect x="1.75" y="3.5" width="39" height="46" rx="5" fill="#d9cfb6" stroke="#6e6450" stroke-width="0.7"/>
 <rect x="0.5" y="0.5" width="39" height="46" rx="5" fill="url(#face)" stroke="#4e473b"/>
</svg>
EOF
# The small tile (20 x 25) has the same build at its own scale, drawn 16 times larger.
cat >"$work/small-body.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="320" height="400" viewBox="0 0 20 25">
 <defs>
  <linearGradient id="face" x1="0" y1="0" x2="1" y2="1">
   <stop offset="0" stop-color="#fffef9"/><stop offset="1" stop-color="#f1ead9"/></linearGradient>
 </defs>
 <rect x="2" y="3" width="17.5" height="21.5" rx="2.5" fill="#1f7a45" stroke="#0e3a20" stroke-width="0.8"/>
 <rect x="0.5" y="0.5" width="17.5" height="21.5" rx="2.5" fill="url(#face)" stroke="#4e473b" stroke-width="0.8"/>
</svg>
EOF

# The Chinese white dragon: a blue frame, so that it never looks like the empty face.
cat >"$work/white-dragon.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="300" height="400" viewBox="0 0 300 400">
 <rect x="48" y="48" width="204" height="304" rx="14" fill="none" stroke="#2456b8" stroke-width="30"/>
 <rect x="92" y="92" width="116" height="216" rx="4" fill="none" stroke="#2456b8" stroke-width="12"/>
</svg>
EOF
# Picture 35: the empty tile bearing a warning sign.
cat >"$work/warning.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="300" height="400" viewBox="0 0 300 400">
 <path d="M150 70 L282 312 L18 312 Z" fill="#ffc400" stroke="#1e1a12" stroke-width="26"
       stroke-linejoin="round"/>
 <path d="M150 138 L150 236" stroke="#1e1a12" stroke-width="36" stroke-linecap="round"/>
 <circle cx="150" cy="278" r="20" fill="#1e1a12"/>
</svg>
EOF
cat >"$work/empty.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="300" height="400" viewBox="0 0 300 400"/>
EOF

# Face drawings by TileId 0..35.
faces=(empty)
for suit in Sou Man Pin; do
    for rank in 1 2 3 4 5 6 7 8 9; do faces+=("$tiles/$suit$rank.svg"); done
done
faces+=("$tiles/Ton.svg" "$tiles/Nan.svg" "$tiles/Shaa.svg" "$tiles/Pei.svg")
faces+=("$tiles/Chun.svg" "$tiles/Hatsu.svg" white-dragon warning)
face_file() {
    case $1 in
        empty | white-dragon | warning) echo "$work/$1.svg" ;;
        *) echo "$1" ;;
    esac
}

svg "$work/body.svg" -o "$work/body8.png"
svg "$work/small-body.svg" -o "$work/small-body16.png"

# The one mask of every large tile: black where the body is, white around it.
image_convert "$work/body8.png" -filter Box -resize 43x53 -alpha extract -threshold 50% \
    -type Bilevel "$work/inside.png"
image_convert "$work/inside.png" -negate -monochrome "BMP3:$out/tile-mask.bmp"

for i in "${!faces[@]}"; do
    n=$(printf %02d "$i")
    face="$(face_file "${faces[$i]}")"
    # Large: the face sits in a 33 x 44 box on the 40 x 47 face.
    svg -w 264 -h 352 "$face" -o "$work/face.png"
    image_convert "$work/body8.png" "$work/face.png" -geometry +28+12 -composite \
        "$work/tile8-$n.png"
    image_convert "$work/tile8-$n.png" -filter Box -resize 43x53 -unsharp 0x0.6+0.5 \
        -background '#4e473b' -alpha remove -alpha off \
        "$work/inside.png" -compose Multiply -composite "$work/tile-$n.png"
    bmp24 "$work/tile-$n.png" "$out/tile-$n.bmp"
    ((i == 35)) && break
    # Small: a 15 x 20 box on the 17 x 21 face, on the dialog's grey.
    svg -w 240 -h 320 "$face" -o "$work/face.png"
    image_convert "$work/small-body16.png" "$work/face.png" -geometry +20+8 -composite \
        -filter Box -resize 20x25 -unsharp 0x0.5+0.6 \
        -background '#f0f0f0' -alpha remove -alpha off "$work/small-$n.png"
    bmp24 "$work/small-$n.png" "$out/small-$n.bmp"
done

# --- Icons ------------------------------------------------------------------------------------
# An icon is drawn as an SVG on a 48-unit square and rendered at each size, so that small
# sizes get their own rasterising rather than a blurred copy of a large one.
# Renders the SVG at each size as $work/NAME-SIZE.png and adds those files to `frames`.
render_frames() {  # NAME FILE SIZES...
    local name=$1 file=$2 size
    shift 2
    for size in "$@"; do
        svg -w "$size" -h "$size" "$file" -o "$work/$name-$size.png"
        frames+=("$work/$name-$size.png")
    done
}

icon() {  # NAME FILE SIZES...
    local frames=()
    render_frames "$@"
    image_convert "${frames[@]}" "ICO:$out/$1.ico"
}

# The program: the red dragon tile; from 48 pixels up it stands before the green dragon. Up to
# 32 pixels the tile and its glyph are drawn in plain strokes so that they still read.
cat >"$work/program-small.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
 <rect x="3.5" y="2.5" width="11" height="13" rx="1.5" fill="#1f7a45" stroke="#0e3a20"/>
 <rect x="1.5" y="0.5" width="11" height="13" rx="1.5" fill="#fbf7ec" stroke="#4e473b"/>
 <rect x="3.8" y="4.8" width="6.4" height="3.6" fill="none" stroke="#c8262c" stroke-width="1.6"/>
 <path d="M7 2 V12" stroke="#c8262c" stroke-width="1.6"/>
</svg>
EOF
image_convert "$work/tile8-33.png" -background none -rotate -16 "$work/green-tilted.png"
frames=()
render_frames program "$work/program-small.svg" 16 24 32
cat >"$work/program.svg" <<EOF
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="48" height="48" viewBox="0 0 48 48">
 <image x="-1" y="0" width="31" height="38" xlink:href="file://$work/green-tilted.png"/>
 <image x="13" y="6" width="34" height="42" xlink:href="file://$work/tile8-32.png"/>
</svg>
EOF
render_frames program "$work/program.svg" 48 256
image_convert "${frames[@]}" "ICO:$out/program.ico"

# The settings page "Random hand": two dice.
cat >"$work/dice.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
 <defs>
  <linearGradient id="d" x1="0" y1="0" x2="1" y2="1">
   <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#ddd6c6"/></linearGradient>
 </defs>
 <g transform="rotate(-16 15 17)">
  <rect x="3" y="5" width="24" height="24" rx="5" fill="url(#d)" stroke="#3b352b" stroke-width="1.6"/>
  <circle cx="9.5" cy="11.5" r="2.6" fill="#1e1a12"/><circle cx="20.5" cy="22.5" r="2.6" fill="#1e1a12"/>
  <circle cx="15" cy="17" r="2.6" fill="#1e1a12"/>
 </g>
 <g transform="rotate(12 32 32)">
  <rect x="19" y="19" width="26" height="26" rx="5" fill="url(#d)" stroke="#3b352b" stroke-width="1.6"/>
  <circle cx="26" cy="26" r="2.7" fill="#1e1a12"/><circle cx="38" cy="26" r="2.7" fill="#1e1a12"/>
  <circle cx="26" cy="38" r="2.7" fill="#1e1a12"/><circle cx="38" cy="38" r="2.7" fill="#1e1a12"/>
  <circle cx="32" cy="32" r="3.4" fill="#c8262c"/>
 </g>
</svg>
EOF
icon settings-page "$work/dice.svg" 16 24 32 48

# Save: a floppy disk; the greyed one is the same disk faded.
cat >"$work/disk.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
 <defs>
  <linearGradient id="b" x1="0" y1="0" x2="1" y2="1">
   <stop offset="0" stop-color="#3f7fd6"/><stop offset="1" stop-color="#1c4a98"/></linearGradient>
  <linearGradient id="m" x1="0" y1="0" x2="0" y2="1">
   <stop offset="0" stop-color="#f1f3f6"/><stop offset="1" stop-color="#aab2bd"/></linearGradient>
 </defs>
 <path d="M5 7 Q5 4 8 4 L38 4 L44 10 L44 41 Q44 44 41 44 L8 44 Q5 44 5 41 Z"
       fill="url(#b)" stroke="#12306a" stroke-width="1.6" stroke-linejoin="round"/>
 <rect x="13" y="4.8" width="20" height="13" fill="url(#m)" stroke="#4a5260" stroke-width="1.2"/>
 <rect x="26" y="7" width="4.5" height="8.5" fill="#2b3140"/>
 <rect x="10" y="24" width="29" height="20" rx="1.5" fill="#fbfbf8" stroke="#12306a" stroke-width="1.2"/>
 <path d="M14 30 H35 M14 35 H35 M14 40 H29" stroke="#c8262c" stroke-width="1.8"/>
</svg>
EOF
icon save "$work/disk.svg" 16 24 32 48
for size in 16 24 32 48; do
    image_convert "$work/save-$size.png" -colorspace Gray -level -45%,100% \
        -channel A -evaluate Multiply 0.75 +channel "$work/save-grey-$size.png"
done
image_convert "$work"/save-grey-{16,24,32,48}.png "ICO:$out/save-grey.ico"

# Tools: a wrench crossed with a screwdriver.
cat >"$work/tools.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
 <defs>
  <linearGradient id="s" x1="0" y1="0" x2="1" y2="0">
   <stop offset="0" stop-color="#e9edf2"/><stop offset="0.5" stop-color="#b9c1cc"/>
   <stop offset="1" stop-color="#7d8794"/></linearGradient>
  <linearGradient id="h" x1="0" y1="0" x2="1" y2="0">
   <stop offset="0" stop-color="#f0625a"/><stop offset="1" stop-color="#a8161c"/></linearGradient>
  <mask id="jaw">
   <rect x="-30" y="-30" width="60" height="60" fill="white"/>
   <rect x="-3.6" y="-25" width="7.2" height="13" fill="black"/>
  </mask>
 </defs>
 <g transform="translate(24 24) rotate(-45)">
  <rect x="-1.6" y="-22" width="3.2" height="22" fill="url(#s)" stroke="#3d4550" stroke-width="1"/>
  <rect x="-2.2" y="-23" width="4.4" height="3" fill="#5d6672"/>
  <rect x="-4.6" y="0" width="9.2" height="21" rx="3" fill="url(#h)" stroke="#5e0b0f" stroke-width="1.2"/>
  <path d="M-1.6 4 V18 M1.6 4 V18" stroke="#7e1015" stroke-width="1"/>
 </g>
 <g transform="translate(24 24) rotate(45)">
  <g mask="url(#jaw)" fill="url(#s)" stroke="#3d4550" stroke-width="1.4">
   <circle cx="0" cy="-14" r="8.5"/>
   <rect x="-3.6" y="-8" width="7.2" height="28" rx="3.6"/>
  </g>
  <rect x="-2.3" y="-9" width="4.6" height="27" rx="2.3" fill="url(#s)"/>
 </g>
</svg>
EOF
icon tools "$work/tools.svg" 16 24 32 48

# Verdicts: a green check, a red cross, a blue "i".
verdict() {  # NAME LIGHT DARK SYMBOL
    cat >"$work/$1.svg" <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
 <defs>
  <radialGradient id="g" cx="0.38" cy="0.32" r="0.75">
   <stop offset="0" stop-color="$2"/><stop offset="1" stop-color="$3"/></radialGradient>
 </defs>
 <circle cx="24" cy="24" r="21.5" fill="url(#g)" stroke="$3" stroke-width="2"/>
 $4
</svg>
EOF
    icon "$1" "$work/$1.svg" 16 24 32 48
}
verdict right '#6fd36a' '#1e7a24' \
    '<path d="M13 24.5 L21 32.5 L35.5 16" fill="none" stroke="white" stroke-width="6" stroke-linecap="round" stroke-linejoin="round"/>'
verdict wrong '#ff6a5c' '#a3141a' \
    '<path d="M15.5 15.5 L32.5 32.5 M32.5 15.5 L15.5 32.5" stroke="white" stroke-width="6" stroke-linecap="round"/>'
verdict plain '#6aa8ff' '#1b4fa8' \
    '<circle cx="24" cy="13.5" r="3.6" fill="white"/><path d="M24 21 V35" stroke="white" stroke-width="6.5" stroke-linecap="round"/>'

# --- Cursors ----------------------------------------------------------------------------------
# Drawn pixel by pixel ('#' black, 'o' white, '+' green, '-' red, '.' clear) so that they stay
# crisp. A .cur file is an .ico file with type 2 whose entry carries the hot spot.
# A 16-bit number as two bytes, low byte first.
le16() { printf '%b' "$(printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8)))"; }

cursor() {  # NAME HOTX HOTY < ROWS
    local name=$1 x=$2 y=$3 rows=() row
    while IFS= read -r row; do rows+=("$row"); done
    {
        printf '/* XPM */\nstatic char *c[] = {\n"32 32 5 1",\n'
        printf '"# c #000000",\n"o c #FFFFFF",\n"+ c #1E8A28",\n"- c #C8262C",\n". c None",\n'
        for ((row = 0; row < 32; row++)); do
            local line="${rows[row]:-}"
            line="$line................................"
            printf '"%s"%s\n' "${line:0:32}" "$( ((row < 31)) && echo ,)"
        done
        printf '};\n'
    } >"$work/$name.xpm"
    image_convert "$work/$name.xpm" "ICO:$out/$name.cur"
    le16 2 | dd of="$out/$name.cur" bs=1 seek=2 conv=notrunc status=none
    { le16 "$x"; le16 "$y"; } | dd of="$out/$name.cur" bs=1 seek=10 conv=notrunc status=none
}

arrow_rows='#
##
#o#
#oo#
#ooo#
#oooo#
#ooooo#
#oooooo#
#ooooooo#
#oooooooo#
#ooooooooo#
#oooooo#####
#ooo#oo#
#oo##oo#
#o#..#oo#
##...#oo#
#.....#oo#
......#oo#
.......##'

cursor arrow 0 0 <<<"$arrow_rows"
cursor add 0 0 <<EOF
$(head -n 12 <<<"$arrow_rows")
#oo##oo#...##########
#o#..#oo#..#oooooooo#
##...#oo#..#ooo++ooo#
#.....#oo#.#ooo++ooo#
......#oo#.#o++++++o#
.......##..#o++++++o#
...........#ooo++ooo#
...........#ooo++ooo#
...........#oooooooo#
...........##########
EOF
cursor remove 0 0 <<EOF
$(head -n 12 <<<"$arrow_rows")
#oo##oo#...##########
#o#..#oo#..#oooooooo#
##...#oo#..#oooooooo#
#.....#oo#.#oooooooo#
......#oo#.#o------o#
.......##..#o------o#
...........#oooooooo#
...........#oooooooo#
...........#oooooooo#
...........##########
EOF
cursor link 6 2 <<'EOF'

......##
.....#oo#
.....#oo#
.....#oo#
.....#oo#
.....#oo###
.....#oo#oo##
.....#oo#oo#oo##
.....#oo#oo#oo#o#
.###.#oo#oo#oo#oo#
.#oo##ooooooooo#oo#
.#ooo#oooooooooooo#
..#oo#oooooooooooo#
...#oooooooooooooo#
...#oooooooooooooo#
....#ooooooooooooo#
....#oooooooooooo#
.....#ooooooooooo#
.....#oooooooooo#
......#ooooooooo#
......#ooooooooo#
......###########
EOF

# --- Banners ----------------------------------------------------------------------------------
# Green baize, a fan of tiles and the program's name.
banner_svg() {  # WIDTH HEIGHT CORNER TILE_W TILE_H TEXT_X TEXT_Y TEXT_SIZE TILES...
    local w=$1 h=$2 r=$3 tw=$4 th=$5 tx=$6 ty=$7 ts=$8 i=0 n angle x y
    shift 8
    n=$#
    cat <<EOF
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="$w" height="$h" viewBox="0 0 $w $h">
 <defs>
  <radialGradient id="baize" cx="0.3" cy="0.3" r="0.9">
   <stop offset="0" stop-color="#2a8a52"/><stop offset="1" stop-color="#0c3a21"/></radialGradient>
  <filter id="shadow" x="-20%" y="-20%" width="140%" height="140%">
   <feGaussianBlur in="SourceAlpha" stdDeviation="1.2"/><feOffset dx="1.5" dy="1.5"/>
   <feComponentTransfer><feFuncA type="linear" slope="0.55"/></feComponentTransfer>
   <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
 </defs>
 <rect x="0" y="0" width="$w" height="$h" rx="$r" fill="url(#baize)"/>
 <rect x="2.5" y="2.5" width="$((w - 5))" height="$((h - 5))" rx="$((r > 2 ? r - 2 : 0))"
       fill="none" stroke="#d8b866" stroke-width="1.2" opacity="0.85"/>
 <g filter="url(#shadow)">
EOF
    for t in "$@"; do
        angle=$(((i * 2 - n + 1) * 7))
        x=$((14 + i * (tw * 3 / 4)))
        y=$(((h - th) / 2 + ((i * 2 - n + 1) * (i * 2 - n + 1)) / 2 ))
        printf '  <image x="%d" y="%d" width="%d" height="%d" transform="rotate(%d %d %d)" xlink:href="file://%s"/>\n' \
            "$x" "$y" "$tw" "$th" "$angle" $((x + tw / 2)) $((y + th)) "$work/tile8-$t.png"
        i=$((i + 1))
    done
    cat <<EOF
 </g>
 <g filter="url(#shadow)">
  <text x="$tx" y="$ty" font-family="C059" font-weight="bold" font-size="$ts"
        fill="#fbf3da">Fanwright</text>
  <text x="$((tx + 2))" y="$((ty + ts / 2 + 3))" font-family="Nimbus Sans" font-size="$((ts / 3 + 1))"
        letter-spacing="1.2" fill="#e2c677">mahjong scoring trainer</text>
 </g>
</svg>
EOF
}

banner_svg 300 60 9 33 41 122 34 29 01 32 33 >"$work/banner.svg"
svg "$work/banner.svg" -o "$work/banner.png"
image_convert "$work/banner.png" -alpha extract -threshold 50% -negate -monochrome \
    "BMP3:$out/banner-mask.bmp"
image_convert "$work/banner.png" -alpha extract -threshold 50% "$work/banner-inside.png"
image_convert "$work/banner.png" -background '#0c3a21' -alpha remove -alpha off \
    "$work/banner-inside.png" -compose Multiply -composite "$work/banner-flat.png"
bmp24 "$work/banner-flat.png" "$out/banner.bmp"

banner_svg 300 80 0 38 47 124 44 31 28 32 33 >"$work/about.svg"
svg "$work/about.svg" -o "$work/about.png"
bmp24 "$work/about.png" "$out/about-banner.bmp"
echo "banners done"

# --- The resource script ----------------------------------------------------------------------
names=("empty face")
for suit in bamboo characters dots; do
    for rank in 1 2 3 4 5 6 7 8 9; do names+=("$suit $rank"); done
done
names+=("east wind" "south wind" "west wind" "north wind")
names+=("red dragon" "green dragon" "white dragon" "warning: no wind set")

{
    cat <<'EOF'
// The program's pictures, icons and cursors; written by scripts/make-art.sh, which also draws
// the files under art/. Included by fanwright.rc after ui/resource_ids.h.

// Large tiles (43 x 53) by TileId, all drawn through the one outline mask.
IDB_TILE_MASK BITMAP "art/tile-mask.bmp"
EOF
    for i in "${!names[@]}"; do
        id=$((109 + i))
        ((i == 0)) && id=IDB_TILE_FIRST
        ((i == 35)) && id=IDB_TILE_LAST
        printf '%-14s BITMAP "art/tile-%02d.bmp" // %s\n' "$id" "$i" "${names[$i]}"
    done
    printf '\n// Small tiles (20 x 25) by TileId, for the result window.\n'
    for i in "${!names[@]}"; do
        ((i == 35)) && break
        id=$((173 + i))
        ((i == 0)) && id=IDB_SMALL_TILE_FIRST
        ((i == 34)) && id=IDB_SMALL_TILE_LAST
        printf '%-20s BITMAP "art/small-%02d.bmp" // %s\n' "$id" "$i" "${names[$i]}"
    done
    cat <<'EOF'

// Banners: the main window's (with its mask) and the About dialog's.
IDB_BANNER       BITMAP "art/banner.bmp"
IDB_BANNER_MASK  BITMAP "art/banner-mask.bmp"
IDB_ABOUT_BANNER BITMAP "art/about-banner.bmp"

IDI_FANWRIGHT     ICON "art/program.ico"
IDI_SETTINGS_PAGE ICON "art/settings-page.ico"
IDI_SAVE          ICON "art/save.ico"
IDI_SAVE_GREY     ICON "art/save-grey.ico"
IDI_TOOLS         ICON "art/tools.ico"
IDI_RIGHT         ICON "art/right.ico"
IDI_WRONG         ICON "art/wrong.ico"
IDI_PLAIN         ICON "art/plain.ico"

IDC_CURSOR_ADD    CURSOR "art/add.cur"
IDC_CURSOR_REMOVE CURSOR "art/remove.cur"
IDC_CURSOR_ARROW  CURSOR "art/arrow.cur"
IDC_CURSOR_LINK   CURSOR "art/link.cur"
EOF
} >"$root/resources/artwork.rc"
echo "wrote $out and resources/artwork.rc"
