#!/usr/bin/env bash
# Draws the standard-mode page's images: the four crosshairs and the empty preview, the
# multicolour light swatch and the preset icons. Needs ImageMagick; the PNGs are committed.
# Shapes are drawn at four times their size and scaled down, for smooth edges.
set -euo pipefail
out=$(cd "$(dirname "$0")/../.." && pwd)/resources/Image/Resource/SubView
text='#e6edf7'; dim='#5d6b82'; muted='#93a1b8'; panel='#0f1724'; border='#33425c'; accent='#e0393e'

# ---- Crosshairs: light strokes on a transparent 64x64 tile (the button paints the tile).
cross() { # <name> <draw commands on a 256x256 canvas>; also draws the greyed <name>_disabled
    local name=$1; shift
    convert -size 256x256 xc:none -fill none -stroke "$text" -strokewidth 14 "$@" -resize 64x64 "$out/$name.png"
    convert -size 256x256 xc:none -fill none -stroke "$dim" -strokewidth 14 "${@//$text/$dim}" -resize 64x64 \
        "$out/${name}_disabled.png"
}
round='stroke-linecap round line'
cross accuracy_cross1 -draw "$round 128,40 128,100" -draw "$round 128,156 128,216" \
    -draw "$round 40,128 100,128" -draw "$round 156,128 216,128"
cross accuracy_cross2 -draw 'circle 128,128 128,52' -stroke none -fill "$text" -draw 'circle 128,128 128,112'
cross accuracy_cross3 -draw 'circle 128,128 128,64' -draw "$round 128,32 128,224" -draw "$round 32,128 224,128"
cross accuracy_cross4 -draw "$round 128,140 128,216" -draw "$round 64,128 106,128" -draw "$round 150,128 192,128" \
    -stroke none -fill "$text" -draw 'circle 128,128 128,118'

# Empty preview: a dark screen with a faint centre mark.
convert -size 256x256 xc:none -fill "$panel" -stroke "$border" -strokewidth 8 \
    -draw 'roundrectangle 4,4 251,251 28,28' -fill none -stroke "$border" -strokewidth 6 \
    -draw 'stroke-linecap round line 116,128 140,128' -draw 'stroke-linecap round line 128,116 128,140' -resize 64x64 "$out/cross_preview.png"

# ---- Multicolour swatch: a hue wheel disc, 28x28 like the colour discs.
convert -size 112x112 xc: -fx 'atan2(j-55.5,i-55.5)/(2*pi)+0.5' \
    \( -size 112x112 xc:'gray(100%)' \) \( -size 112x112 xc:'gray(50%)' \) \
    -set colorspace HSL -combine -colorspace sRGB \
    \( -size 112x112 xc:black -fill white -draw 'circle 55.5,55.5 55.5,1' \) \
    -alpha off -compose CopyOpacity -composite -resize 28x28 "$out/multi_color.png"

# ---- Preset icons: 18x18 light glyphs shown left of the preset's text.
icon() { # <file> <draw commands on a 72x72 canvas>
    local name=$1; shift
    convert -size 72x72 xc:none -fill none -stroke "$text" -strokewidth 6 \
        "$@" -resize 18x18 "$out/$name"
}
icon preset_office_standard.png -draw 'roundrectangle 6,10 66,50 6,6' -draw 'stroke-linecap round line 36,50 36,62' -draw 'stroke-linecap round line 22,64 50,64'
icon preset_office_movie.png -draw 'roundrectangle 6,12 66,60 6,6' -stroke none -fill "$text" -draw 'polygon 28,24 28,48 50,36'
icon preset_office_picture.png -draw 'roundrectangle 6,10 66,62 6,6' -draw 'polyline 10,56 28,34 42,48 50,40 62,54' \
    -stroke none -fill "$text" -draw 'circle 50,24 50,18'
icon preset_office_ebook.png -draw 'polyline 36,16 20,10 6,12 6,60 20,58 36,64 52,58 66,60 66,12 52,10 36,16' \
    -draw 'stroke-linecap round line 36,16 36,64'
icon preset_office_other.png -draw 'roundrectangle 10,8 62,64 6,6' -draw 'stroke-linecap round line 22,26 50,26' -draw 'stroke-linecap round line 22,38 50,38' \
    -draw 'stroke-linecap round line 22,50 40,50'
icon preset_game.png -draw 'roundrectangle 4,18 68,56 18,18' -draw 'stroke-linecap round line 20,30 20,44' -draw 'stroke-linecap round line 13,37 27,37' \
    -stroke none -fill "$text" -draw 'circle 48,32 48,27' -draw 'circle 56,42 56,37'

: "$muted $accent"

# Rows without filters decode faster at start; the pixels stay the same.
python3 "$(dirname "$0")/unfilter-png.py" "$out"
