#!/usr/bin/env bash
# Renders the application's and the set file's icons (resources/desktop/icons/*.svg)
# at the theme sizes, as PNG files committed beside them. Run after changing a drawing;
# needs rsvg-convert (librsvg2-bin) and optipng when present.
set -euo pipefail
cd "$(dirname "$0")/../resources/desktop/icons"
for svg in org.tessellor.Tessellor.svg application-x-tessellor-set.svg; do
  for size in 16 24 32 48 64 128 256; do
    mkdir -p "$size"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$size/${svg%.svg}.png"
  done
done
