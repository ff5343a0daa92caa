#!/bin/sh
# Renders the icon's PNG sizes for the hicolor theme from icons/dru.svg.
# Run from this folder after changing the SVG; the PNGs are committed.
set -e
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" icons/dru.svg -o "icons/hicolor/${size}x${size}/apps/dru.png"
done
