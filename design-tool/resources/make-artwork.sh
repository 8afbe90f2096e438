#!/bin/sh
# Regenerates the Zentrik form artwork (banners, side strip, program icon).
# Needs only ImageMagick "convert" and the Debian DejaVu font files.
# The output is deterministic: rerunning gives byte-identical files.
#
#   sh make-artwork.sh            (writes into the folder of this script)
set -eu

OUT=$(cd "$(dirname "$0")" && pwd)
FONTS=/usr/share/fonts/truetype/dejavu
BOLD=$FONTS/DejaVuSans-Bold.ttf
REGULAR=$FONTS/DejaVuSans.ttf
TMP=${TMPDIR:-/tmp}/zentrik-artwork.$$
mkdir -p "$TMP"
trap 'rm -rf "$TMP"' EXIT INT TERM

# Palette
NAVY='#0e1c34'
STEEL='#355a84'
COPPER='#c9793b'

# ---------------------------------------------------------------------------
# Emblem: a toroidal core (rectangular cross-section) seen from above at an
# angle, with copper winding turns wrapped over it.  Drawn on a 512x512
# transparent canvas and scaled down where it is used.
#
# Ring parameters: centre x, centre y (top face), outer radius, outer
# half-height of the top ellipse, inner radius, inner half-height,
# y of the bottom face centre, left x, right x.
# Each turn is a polyline: inner edge -> outer edge -> down the outer wall
# (front turns), or down the inner wall -> inner edge -> outer edge (back
# turns, partly seen through the bore).
# BIG: outer radius 228, inner 118, tilt 0.5, height 70, 12 turns from 15 deg
BIG_RING='256 221 228 114 118 59 291 28 484'
BIG_TURNS='
polyline 370,236.3 476.2,250.5 476.2,320.5
polyline 339.4,262.7 417.2,301.6 417.2,371.6
polyline 286.5,278 315,331.1 315,401.1
polyline 225.5,278 197,331.1 197,401.1
polyline 172.6,262.7 94.8,301.6 94.8,371.6
polyline 142,236.3 35.8,250.5 35.8,320.5
polyline 142,236.3 142,205.7 35.8,191.5
polyline 172.6,262.7 172.6,179.3 94.8,140.4
polyline 225.5,278 225.5,164 197,110.9
polyline 286.5,278 286.5,164 315,110.9
polyline 339.4,262.7 339.4,179.3 417.2,140.4
polyline 370,236.3 370,205.7 476.2,191.5'
# MID: outer radius 240, inner 104, tilt 0.56, height 84, 8 turns from 22.5 deg
MID_RING='256 214 240 134.4 104 58.2 298 16 496'
MID_TURNS='
polyline 352.1,236.3 477.7,265.4 477.7,349.4
polyline 295.8,267.8 347.8,338.2 347.8,422.2
polyline 216.2,267.8 164.2,338.2 164.2,422.2
polyline 159.9,236.3 34.3,265.4 34.3,349.4
polyline 159.9,236.3 159.9,191.7 34.3,162.6
polyline 216.2,267.8 216.2,160.2 164.2,89.8
polyline 295.8,267.8 295.8,160.2 347.8,89.8
polyline 352.1,236.3 352.1,191.7 477.7,162.6'
# TINY: outer radius 244, inner 96, tilt 0.62, height 90, 4 turns from 45 deg
TINY_RING='256 211 244 151.3 96 59.5 301 12 500'
TINY_TURNS='
polyline 323.9,253.1 428.5,318 428.5,408
polyline 188.1,253.1 83.5,318 83.5,408
polyline 188.1,253.1 188.1,168.9 83.5,104
polyline 323.9,253.1 323.9,168.9 428.5,104'

# emblem RING TURNS WIRE_WIDTH EDGE_WIDTH TONES OUTFILE
emblem() {
    turns=$2 ww=$3 edge=$4 tones=$5 file=$6
    # shellcheck disable=SC2086
    set -- $1
    cx=$1 cy=$2 ro=$3 ryo=$4 ri=$5 ryi=$6 bot=$7 left=$8 right=$9

    body="push defs
push gradient 'side' linear $left,0 $right,0
stop-color '#1c2f4a' 0
stop-color '#5a7797' 0.32
stop-color '#3d5a7c' 0.7
stop-color '#1a2c46' 1
pop gradient
push gradient 'face' linear 0,0 0,1
stop-color '#e3ebf3' 0
stop-color '#a9bdd1' 1
pop gradient
push gradient 'bore' linear 0,0 0,1
stop-color '#15243b' 0
stop-color '#3b5676' 1
pop gradient
pop defs
push graphic-context
stroke none fill 'url(#side)'
ellipse $cx,$bot $ro,$ryo 0,180
rectangle $left,$cy $right,$bot
pop graphic-context
push graphic-context
stroke '#f4f8fc' stroke-width $edge fill 'url(#face)'
ellipse $cx,$cy $ro,$ryo 0,360
pop graphic-context
push graphic-context
stroke none fill 'url(#bore)'
ellipse $cx,$cy $ri,$ryi 0,360
pop graphic-context"

    wire="fill none stroke-linecap butt stroke-linejoin round"
    case $tones in
    3) wires="$wire stroke '#6e3511' stroke-width $ww $turns
$wire stroke '#c0733a' stroke-width $(($ww * 64 / 100)) $turns
$wire stroke '#f2b98a' stroke-width $(($ww * 22 / 100)) $turns" ;;
    2) wires="$wire stroke '#6e3511' stroke-width $ww $turns
$wire stroke '#cf7f42' stroke-width $(($ww * 64 / 100)) $turns" ;;
    *) wires="$wire stroke '#d9884a' stroke-width $ww $turns" ;;
    esac

    # Paint the core and the turns, then cut out the part of the bore
    # through which the background is seen (upper bore ellipse intersected
    # with the bottom-face bore ellipse).
    convert -size 512x512 xc:none -draw "$body" -draw "$wires" \
        \( -size 512x512 xc:none -draw "fill black ellipse $cx,$bot $ri,$ryi 0,360" \
           \( -size 512x512 xc:none -draw "fill black ellipse $cx,$cy $ri,$ryi 0,360" \) \
           -compose DstIn -composite \) \
        -compose DstOut -composite -trim +repage "$file"
}

emblem "$BIG_RING" "$BIG_TURNS" 22 4 3 "$TMP/emblem-big.png"
emblem "$MID_RING" "$MID_TURNS" 46 6 2 "$TMP/emblem-mid.png"
emblem "$TINY_RING" "$TINY_TURNS" 64 0 1 "$TMP/emblem-tiny.png"

# ---------------------------------------------------------------------------
# banner-large.bmp (568x132): opening form
convert -size 568x132 -define gradient:direction=east "gradient:$NAVY-$STEEL" \
    -fill none -stroke '#ffffff' -strokewidth 10 \
    -draw "stroke-opacity 0.05 ellipse 500,92 70,35 0,360 ellipse 500,92 130,65 0,360 ellipse 500,92 190,95 0,360" \
    \( "$TMP/emblem-big.png" -resize 132x \) -geometry +18+24 -compose Over -composite \
    -stroke none -fill white -font "$BOLD" -pointsize 46 -kerning 6 \
    -annotate +170+66 'ZENTRIK' \
    -fill '#c9d7e6' -font "$REGULAR" -pointsize 19 -kerning 1 \
    -annotate +172+104 'Core Design Tool' \
    \( -size 300x2 -define gradient:direction=east "gradient:$COPPER-none" \) \
    -geometry +172+79 -composite \
    -fill '#8fa6c0' -font "$REGULAR" -pointsize 10 -kerning 3 -gravity SouthEast \
    -annotate +14+10 'ORLENTA' -gravity NorthWest \
    -fill '#0a1426' -draw 'rectangle 0,131 567,131' \
    -alpha off -type TrueColor "BMP3:$OUT/banner-large.bmp"

# ---------------------------------------------------------------------------
# banner.bmp (760x48): top of the other forms
convert -size 760x48 -define gradient:direction=east "gradient:$NAVY-#6f90b4" \
    \( -size 760x48 -define gradient:direction=east "gradient:none-#ffffff" \
       -channel A -evaluate multiply 0.35 +channel \) -compose Over -composite \
    \( "$TMP/emblem-mid.png" -resize x34 \) -geometry +14+6 -compose Over -composite \
    -fill white -font "$BOLD" -pointsize 21 -kerning 3 -annotate +74+31 'ZENTRIK' \
    -fill '#c9d7e6' -font "$REGULAR" -pointsize 14 -kerning 0.5 \
    -annotate +210+31 'Core Design Tool' \
    \( -size 420x2 -define gradient:direction=east "gradient:$COPPER-none" \) \
    -geometry +0+46 -composite \
    -alpha off -type TrueColor "BMP3:$OUT/banner.bmp"

# ---------------------------------------------------------------------------
# side-strip.bmp (48x640): left edge of the forms, under the banner.  A faint
# ring every 60 pixels; the top 300 pixels hold five whole rings.
rings=''
y=36
while [ "$y" -le 576 ]; do
    rings="$rings ellipse 23,$y 14,8 0,360"
    y=$((y + 60))
done
convert -size 48x640 "gradient:#13243f-#3a5e87" \
    -fill none -stroke '#ffffff' -strokewidth 4 \
    -draw "stroke-opacity 0.10 $rings" \
    -stroke none -fill "$COPPER" -draw 'rectangle 47,0 47,639' \
    -alpha off -type TrueColor "BMP3:$OUT/side-strip.bmp"

# ---------------------------------------------------------------------------
# zentrik.ico: 16x16, 32x32 and 48x48, emblem on a rounded navy tile.
# icon SIZE CORNER_RADIUS EMBLEM EMBLEM_WIDTH Y_OFFSET
icon() {
    n=$1 m=$(($1 - 1))
    convert -size "${n}x$n" xc:none \
        \( -size "${n}x$n" "gradient:#2b4b75-$NAVY" \
           \( -size "${n}x$n" xc:black -fill white \
              -draw "roundrectangle 0,0 $m,$m $2,$2" \) \
           -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        \( "$TMP/emblem-$3.png" -resize "$4x$4" \) -gravity center -geometry "+0+$5" \
        -compose Over -composite "$TMP/icon-$n.png"
}
icon 16 3 tiny 16 0
icon 32 5 mid 30 0
icon 48 7 big 44 0
convert "$TMP/icon-16.png" "$TMP/icon-32.png" "$TMP/icon-48.png" "$OUT/zentrik.ico"
