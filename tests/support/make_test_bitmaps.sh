#!/usr/bin/env bash
# Makes the small bitmaps that test programs carry as resources
# (ImageMagick; BMP3 is the plain Windows 3 format the resource compiler takes).
set -euo pipefail
cd "$(dirname "$0")/.."
convert -size 16x16 xc:red BMP3:menus/mark16.bmp
convert -size 24x12 xc:blue BMP3:menus/item24x12.bmp
for colour in red green blue yellow; do
  convert -size 16x15 "xc:$colour" -fill black -draw "rectangle 4,4 11,10" \
    "BMP3:controls/tb_$colour.bmp"
done
