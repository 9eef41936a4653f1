#!/usr/bin/env bash
# Draws the images every page shares (refresh button, on/off switch, combo arrows).
# Needs ImageMagick; the PNGs are committed, so the build does not.
set -euo pipefail
out=$(cd "$(dirname "$0")/../.." && pwd)/resources/Image/Resource
accent='#e0393e'; text='#e6edf7'; muted='#93a1b8'; raised='#243149'; border='#33425c'

refresh() { # <file> <colour> <background>
    convert -size 64x64 xc:none -fill "$3" -draw 'roundrectangle 0,0 63,63 14,14' \
        -fill none -stroke "$2" -strokewidth 6 -draw 'arc 14,14 50,50 -60,250' \
        -stroke none -fill "$2" -draw 'polygon 40,8 58,18 42,30' \
        -resize 32x32 "$1"
}
refresh "$out/SubView/refresh.png" "$text" "$raised"
refresh "$out/SubView/refresh_hover.png" "#ffffff" "$accent"
refresh "$out/SubView/refresh_pressed.png" "#ffffff" '#b52c30'

switch() { # <file> <track> <knob x>
    convert -size 104x56 xc:none -fill "$2" -draw 'roundrectangle 2,2 101,53 26,26' \
        -fill '#ffffff' -draw "circle $3,28 $(( $3 + 20 )),28" -resize 52x28 "$1"
}
switch "$out/SubView/switch_on.png" "$accent" 76
switch "$out/SubView/switch_off.png" "$border" 28

convert -size 20x20 xc:none -fill "$text" -draw 'polygon 4,7 16,7 10,14' "$out/Common/arrow_down.png"
convert -size 20x20 xc:none -fill '#5d6b82' -draw 'polygon 4,7 16,7 10,14' "$out/Common/arrow_down_disabled.png"
: "$muted"

# Rows without filters decode faster at start; the pixels stay the same.
python3 "$(dirname "$0")/unfilter-png.py" "$out"
