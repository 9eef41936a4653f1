#!/usr/bin/env bash
# Draws the images of the system-setting, about-this-machine and colour-calibration pages
# (PIP/PBP mode icons, the about page's monitor, the calibration preview's hue wheel).
# Needs ImageMagick; the PNGs are committed, so the build does not.
set -euo pipefail
out=$(cd "$(dirname "$0")/../.." && pwd)/resources/Image/Resource/SubView
accent='#e0393e'; text='#e6edf7'; muted='#93a1b8'; raised='#243149'; border='#33425c'; bg='#0f1724'

# PIP / PBP mode icons: a screen with an inset picture, a screen split in two.
convert -size 96x64 xc:none -fill "$raised" -stroke "$muted" -strokewidth 4 -draw 'roundrectangle 4,4 91,59 8,8' \
    -stroke none -fill "$accent" -draw 'roundrectangle 52,32 83,52 4,4' -resize 48x32 PNG32:"$out/system_pip.png"
convert -size 96x64 xc:none -fill "$raised" -stroke "$muted" -strokewidth 4 -draw 'roundrectangle 4,4 91,59 8,8' \
    -stroke none -fill "$accent" -draw 'roundrectangle 50,11 84,52 4,4' \
    -stroke "$muted" -strokewidth 3 -draw 'line 47,10 47,53' -resize 48x32 PNG32:"$out/system_pbp.png"

# About page: a monitor drawn in the theme, shown faintly behind the machine information.
convert -size 640x500 xc:none \
    -fill "$raised" -stroke "$border" -strokewidth 8 -draw 'roundrectangle 20,20 619,379 26,26' \
    \( -size 552x312 gradient:'#22304a'-"$bg" \) -geometry +44+44 -composite \
    -stroke none -fill "$accent" -draw 'roundrectangle 250,392 389,404 6,6' \
    -fill "$border" -draw 'polygon 290,404 350,404 372,460 268,460' \
    -fill "$raised" -draw 'roundrectangle 200,456 439,476 10,10' \
    -fill none -stroke "$accent" -strokewidth 10 -draw 'ellipse 210,230 90,90 180,360' -stroke "$text" -strokewidth 8 -draw 'line 210,230 262,168' \
    -stroke "$muted" -strokewidth 6 -draw 'line 340,150 520,150' -draw 'line 340,190 480,190' -draw 'line 340,230 500,230' \
    -resize 320x250 -channel A -evaluate multiply 0.55 +channel PNG32:"$out/about_monitor.png"

# Colour calibration preview: a dimmed hue wheel with a gamut triangle and its white point.
convert \( -size 160x720 gradient:white-black -rotate 90 \) \( -size 720x160 xc:white \) \
    \( -size 720x160 gradient:'#d8d8d8'-gray45 \) -set colorspace HSL -combine -colorspace sRGB \
    -virtual-pixel transparent +distort Polar 160 +repage -blur 0x1 \
    -fill none -stroke "$text" -strokewidth 5 -draw 'polygon 161,30 290,240 40,230' \
    -stroke none -fill "$text" -draw 'circle 161,170 161,180' \
    -resize 200x200 -channel A -evaluate multiply 0.5 +channel PNG32:"$out/calib_preview.png"

# Rows without filters decode faster at start; the pixels stay the same.
python3 "$(dirname "$0")/unfilter-png.py" "$out"
