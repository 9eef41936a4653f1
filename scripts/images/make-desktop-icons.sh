#!/usr/bin/env bash
# Takes the desktop menu icons (hicolor theme layout) from the application icon, favicon.ico,
# which make-chrome-images.sh draws. Needs ImageMagick; the PNGs are committed.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
ico=$top/resources/Image/Resource/favicon.ico
out=$top/resources/linux/icons/hicolor
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The icon's own frames where it has them; 128 px from the 256 px frame.
convert "$ico" "$tmp/frame.png"
for frame in "$tmp"/frame*.png; do
    size=$(identify -format '%w' "$frame")
    mkdir -p "$out/${size}x${size}/apps"
    convert "$frame" -strip "$out/${size}x${size}/apps/zavo-client.png"
done
mkdir -p "$out/128x128/apps"
convert "$out/256x256/apps/zavo-client.png" -filter Lanczos -resize 128x128 -strip "$out/128x128/apps/zavo-client.png"
find "$out" -name '*.png' | sort
