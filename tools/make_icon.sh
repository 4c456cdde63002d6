#!/usr/bin/env bash
# Draws the program's icon, app/icon.ico: After Effects' violet "Ae" on its navy tile, over
# two arrows that swap languages. One 32 x 32 image, 32 bits per pixel. Run by hand when the
# design changes; the icon is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 128x128 xc:none \
  -fill '#1C1C4E' -stroke '#9999FF' -strokewidth 8 -draw 'roundrectangle 6,6 121,121 22,22' \
  -stroke none -fill '#9999FF' -font "$font" -pointsize 62 -gravity north -annotate +0+10 'Ae' \
  -stroke '#E6E6FF' -strokewidth 8 -fill none \
  -draw 'line 30,88 92,88' -draw 'polyline 80,78 94,88 80,98' \
  -draw 'line 36,106 98,106' -draw 'polyline 48,96 34,106 48,116' \
  -resize 32x32 "PNG32:$work/icon.png"
convert "$work/icon.png" app/icon.ico
identify app/icon.ico
