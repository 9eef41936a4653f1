#!/usr/bin/env bash
# update-screenshots.sh [build dir]: grabs the Chinese pictures of the user manual with the
# screenshot tool (offscreen, simulated monitors) and draws the numbered overview of the main
# window. Run it after a visible change of the interface and commit the pictures; the build only
# reads them. Needs ImageMagick.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
cmake --build "$build" --target ZavoScreenshots -j2 >/dev/null
tool=$build/screenshots/ZavoScreenshots
shots=$top/docs/screenshots
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# As a user first sees it (no calibration button), then once more for the calibration page.
"$tool" "$tmp/plain" --lang 0 --dialogs 2>/dev/null || true
"$tool" "$tmp/calib" --lang 0 --calibration 2>/dev/null || true
for page in standard graphics game system machine aboutdlg traymenu; do
    cp "$tmp/plain/${page}_zh.png" "$shots/${page}_zh.png"
done
cp "$tmp/calib/calibration_zh.png" "$shots/calibration_zh.png"

# The main window with numbered marks on what the manual explains.
accent='#e0393e'
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
marks=(
    "1 190 108"    # monitor selector
    "2 316 108"    # language selector
    "3 875 108"    # picture mode
    "4 1000 108"   # refresh rate
    "5 1127 70"    # settings button: this manual
    "6 1168 70"    # minimise
    "7 1210 70"    # close
    "8 142 470"    # left menu
    "9 1060 330"   # page area
    "10 1136 163"  # refresh button of a page
)
args=()
for mark in "${marks[@]}"; do
    read -r n x y <<<"$mark"
    args+=(-fill "$accent" -stroke white -strokewidth 2 -draw "circle $x,$y $((x + 13)),$y")
    args+=(-stroke none -fill white -font "$font" -pointsize 15 -gravity NorthWest
           -annotate "+$((x - (${#n} == 1 ? 5 : 9)))+$((y - 9))" "$n")
done
convert "$shots/standard_zh.png" "${args[@]}" "$top/docs/manual/window_marked_zh.png"
echo "pictures updated in $shots and $top/docs/manual"
