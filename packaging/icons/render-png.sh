#!/usr/bin/env bash
# Renders the icon's PNG sizes for the hicolor theme from its SVG. Run it
# after changing the SVG (it needs rsvg-convert, from librsvg2-bin) and
# commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")"
id=io.github.pitwright.Pitwright
for size in 16 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --output "hicolor/${size}x${size}/apps/$id.png" "$id.svg"
done
