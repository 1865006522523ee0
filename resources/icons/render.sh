#!/usr/bin/env bash
# Renders the toolbar pictures and the logo from their SVG sources. The program loads the PNGs, so it needs no
# SVG support at run time; run this after changing an SVG (ImageMagick's convert).
set -euo pipefail
cd "$(dirname "$0")"
for svg in add-reservation calendar advanced-calendar customers reports find web-bookings today booking-chart; do
    convert -background none -density 96 "$svg.svg" -resize 32x32 "$svg.png"
    convert -background none -density 192 "$svg.svg" -resize 64x64 "$svg@2x.png"
done
convert -background none -density 384 logo.svg -resize 96x96 logo.png
