#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon (assets/icon/lirem.svg) to the PNG sizes the window
# and the desktop use. The PNGs are committed; run this after editing the SVG:
#
#   tools/render-icons.sh
#
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
icon="$root/assets/icon"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio --background-color none \
        --output "$icon/lirem-$size.png" "$icon/lirem.svg"
done
echo "rendered $(ls "$icon"/lirem-*.png | wc -l) icons into $icon"
