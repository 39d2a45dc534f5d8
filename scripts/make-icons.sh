#!/bin/sh
# Redraws the editor's PNG icons from src/ui/data/icons/veldor.svg.
# Needs ImageMagick and librsvg2-bin (ImageMagick reads SVG through it).
set -eu
icons="$(dirname "$0")/../src/ui/data/icons"
for size in 48 256; do
  convert -background none "$icons/veldor.svg" -resize "${size}x${size}" -strip "$icons/veldor-$size.png"
done
