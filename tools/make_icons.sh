#!/bin/sh
# Renders the program's icon, assets/icons/tarnwick.svg, at every size of the icon
# theme. Needs ImageMagick; the PNGs are committed, so a build does not.
set -eu
cd "$(dirname "$0")/../assets/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  convert -background none -density 300 tarnwick.svg -resize "${size}x${size}" \
          -strip "PNG32:hicolor/${size}x${size}/apps/tarnwick.png"
done
