#!/usr/bin/env bash
# Renders data/icons/vrk.svg into the PNG sizes the desktop installs (data/icons/vrk-SIZE.png).
# Run after changing the SVG and commit the PNGs with it; needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 32 48 64 128 256; do
  convert -background none -density 300 vrk.svg -resize "${size}x${size}" -depth 8 -strip "vrk-$size.png"
done
