#!/usr/bin/env bash
# Draws the window chrome: application icon, window background, title-bar artwork, the title
# bar's settings/minimise/close buttons, the tray menu icons and the About logo.
# Needs ImageMagick; the PNGs are committed, so the build does not.
set -euo pipefail
out=$(cd "$(dirname "$0")/../.." && pwd)/resources/Image/Resource
accent='#e0393e'; hover='#f0585b'; pressed='#b52c30'
bg='#0f1724'; panel='#1b2536'; raised='#243149'; border='#33425c'; text='#e6edf7'; muted='#93a1b8'
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
plain=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The monitor glyph on an accent tile, drawn at 256 px: the icon, and the logo in the artwork.
glyph() { # <file>
    convert -size 256x256 gradient:"$hover"-"$pressed" \
        \( -size 256x256 xc:none -fill white -draw 'roundrectangle 8,8 247,247 56,56' \) \
        -compose CopyOpacity -composite -compose Over \
        -fill none -stroke white -strokewidth 16 -draw 'roundrectangle 48,62 207,170 14,14' \
        -stroke none -fill 'rgba(255,255,255,0.35)' -draw 'polygon 64,78 150,78 64,154' \
        -fill white -draw 'rectangle 118,170 137,196' -draw 'roundrectangle 82,192 173,208 8,8' \
        "$1"
}
glyph "$tmp/glyph.png"

# favicon.ico: the glyph at the usual icon sizes.
convert "$tmp/glyph.png" -depth 8 -define icon:auto-resize=256,64,48,32,16 "$out/favicon.ico"

# Window background: navy gradient, a faint ember glow behind the title, rounded corners.
convert -size 1300x700 gradient:'#17223a'-"$bg" \
    \( -size 1100x560 -define gradient:radii=550,280 radial-gradient:'rgba(224,57,62,0.13)'-'rgba(224,57,62,0)' \) \
    -geometry -300-300 -composite \
    \( -size 900x700 -define gradient:radii=450,350 radial-gradient:'rgba(80,120,190,0.10)'-'rgba(80,120,190,0)' \) \
    -geometry +700+250 -composite \
    "$tmp/bg.png"
convert -size 1300x700 xc:none -fill white -draw 'roundrectangle 0,0 1299,699 16,16' "$tmp/mask.png"
convert "$tmp/bg.png" "$tmp/mask.png" -compose CopyOpacity -composite \
    -fill none -stroke "$border" -strokewidth 2 -draw 'roundrectangle 1,1 1298,698 16,16' \
    -depth 8 "$tmp/bg_full.png"
# Stored as nine slices for the style sheet's border image: 24 px corners and edges as drawn, the
# smooth middle (and the edges along their length) at a quarter size. Decoding it costs a tenth.
piece() { # <name> <crop geometry> <size>
    convert "$tmp/bg_full.png" -crop "$2" +repage -resize "$3!" "$tmp/piece_$1.png"
}
piece tl 24x24+0+0 24x24; piece t 1252x24+24+0 313x24; piece tr 24x24+1276+0 24x24
piece l 24x652+0+24 24x163; piece c 1252x652+24+24 313x163; piece r 24x652+1276+24 24x163
piece bl 24x24+0+676 24x24; piece b 1252x24+24+676 313x24; piece br 24x24+1276+676 24x24
convert \( "$tmp"/piece_{tl,t,tr}.png +append \) \( "$tmp"/piece_{l,c,r}.png +append \) \
    \( "$tmp"/piece_{bl,b,br}.png +append \) -append -strip PNG32:"$out/MainFrame/main_BG.png"

# Title-bar artwork, 1300x74. The painting code places the selectors at x 150 and 282 and the
# status texts at x 875 and 1020 of this picture, all on the row 40 px from its top; the right
# end stays empty for the window buttons and the bottom rows may be cut off by the bar.
convert "$tmp/glyph.png" -resize 54x54 "$tmp/logo54.png"
convert -size 1300x74 xc:none \
    "$tmp/logo54.png" -geometry +84+10 -composite \
    -font "$bold" -pointsize 22 -fill "$text" -annotate +152+26 'ZAVO' \
    -font "$plain" -pointsize 12 -fill "$muted" -annotate +226+25 'MONITOR CONTROL CENTER' \
    -stroke none -fill "$accent" -draw 'rectangle 152,31 190,33' \
    \( -size 2x430 gradient:'rgba(51,66,92,0)'-'rgba(51,66,92,1)' -rotate -90 \) -geometry +400+51 -composite \
    -fill 'rgba(36,49,73,0.85)' -stroke "$border" -strokewidth 1.5 \
    -draw 'roundrectangle 842,39 986,64 12,12' -draw 'roundrectangle 990,39 1100,64 12,12' \
    -stroke none -fill "$accent" -draw 'circle 858,51.5 862,51.5' \
    -fill none -stroke "$accent" -strokewidth 2.5 -draw 'polyline 997,52 1000,52 1002,46 1005,57 1007,52' \
    -depth 8 "$out/MainFrame/top_bar_BG.png"

# About logo: the glyph and the word mark.
convert "$tmp/glyph.png" -resize 64x64 "$tmp/logo64.png"
convert -size 230x72 xc:none "$tmp/logo64.png" -geometry +4+4 -composite \
    -font "$bold" -pointsize 34 -fill "$text" -annotate +80+46 'ZAVO' \
    -font "$plain" -pointsize 10 -fill "$muted" -annotate +82+63 'MONITOR CONTROL CENTER' \
    -depth 8 "$out/MainFrame/about_logo.png"

# Title buttons, drawn at 128 px and scaled to 32: glyph colour and tile colour per state.
gear_points() { # polygon of a gear with 8 teeth around (64,64)
    awk 'BEGIN { pi = atan2(0, -1); n = 8; ro = 40; ri = 31;
        for (i = 0; i < n; i++) {
            a = 2 * pi * i / n; w = pi / n * 0.55; v = pi / n * 0.85;
            printf "%.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f ",
                64 + ri * cos(a - v), 64 + ri * sin(a - v), 64 + ro * cos(a - w), 64 + ro * sin(a - w),
                64 + ro * cos(a + w), 64 + ro * sin(a + w), 64 + ri * cos(a + v), 64 + ri * sin(a + v);
        } }'
}
gear=$(gear_points)
button() { # <file> <glyph colour> <tile colour or none> <kind>
    local draw
    case $4 in
    setting) draw=(-fill "$2" -stroke none -draw "polygon $gear" -draw 'circle 64,64 64,33'
                   \( -size 128x128 xc:none -fill white -draw 'circle 64,64 64,51' \) -compose DstOut -composite) ;;
    minimum) draw=(-fill none -stroke "$2" -strokewidth 9 -draw 'line 40,66 88,66') ;;
    close) draw=(-fill none -stroke "$2" -strokewidth 9 -draw 'line 44,44 84,84' -draw 'line 84,44 44,84') ;;
    esac
    convert -size 128x128 xc:none "${draw[@]}" "$tmp/glyph_layer.png"
    convert -size 128x128 xc:none -fill "$3" -draw 'roundrectangle 4,4 123,123 28,28' \
        "$tmp/glyph_layer.png" -compose Over -composite -resize 32x32 -depth 8 "$1"
}
for kind in setting minimum close; do
    tile=$raised
    [ "$kind" = close ] && tile=$accent
    button "$out/MainFrame/btn_${kind}.png" "$muted" none "$kind"
    button "$out/MainFrame/btn_${kind}_hover.png" '#ffffff' "$tile" "$kind"
    button "$out/MainFrame/btn_${kind}_pressed.png" '#ffffff' "$pressed" "$kind"
done

# Tray menu icons (the menu is a dark panel).
convert -size 128x128 xc:none -fill none -stroke "$text" -strokewidth 10 -draw 'circle 64,64 64,16' \
    -stroke none -fill "$text" -draw 'circle 64,40 64,32' -draw 'roundrectangle 57,54 71,96 5,5' \
    -resize 32x32 -depth 8 "$out/SystemTray/about.png"
convert -size 128x128 xc:none -fill none -stroke "$accent" -strokewidth 11 -draw 'stroke-linecap round arc 22,26 106,110 -55,235' \
    -draw 'stroke-linecap round line 64,14 64,62' \
    -resize 32x32 -depth 8 "$out/SystemTray/quit.png"

# Rows without filters decode faster at start; the pixels stay the same.
python3 "$(dirname "$0")/unfilter-png.py" "$out"
