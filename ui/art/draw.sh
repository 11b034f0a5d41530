#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws the window's picture and the program's icon from the SVG sources
# here into ../resources, and the web page's icons into ../../web. Needs rsvg-convert (librsvg2-bin) and ImageMagick;
# the results are committed, so a build needs neither.
set -euo pipefail
cd "$(dirname "$0")"
out=../resources
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

aircraft=$(sed '/^<!--/,/-->$/d' aircraft.svg)
shadow=$(printf '%s' "$aircraft" | sed 's/fill="#[0-9a-f]*"/fill="#0b2440"/g; s/stroke="#[0-9a-f]*"/stroke="none"/g')
expand() {
    python3 - "$1" "$2" <<'PY'
import os, sys
text = open(sys.argv[1]).read()
text = text.replace("@AIRCRAFT_SHADOW@", os.environ["SHADOW"]).replace("@AIRCRAFT@", os.environ["AIRCRAFT"])
open(sys.argv[2], "w").write(text)
PY
}
export AIRCRAFT="$aircraft" SHADOW="$shadow"
expand picture.svg.in "$work/picture.svg"
expand icon.svg.in "$out/tavrin-ops-limits.svg"

# The picture: a baseline (non-progressive) JPEG, 479 x 282.
rsvg-convert -w 479 -h 282 "$work/picture.svg" -o "$work/picture.png"
convert "$work/picture.png" -strip -interlace none -sampling-factor 4:2:0 -quality 90 "$out/picture.jpg"
# The window shows the JPEG's pixels, decoded ahead of time into the byte
# layout of Qt's Format_RGB32 (B, G, R, 255); the web page takes the JPEG.
convert "$out/picture.jpg" -depth 8 -alpha opaque BGRA:"$out/picture.bgra"

# The icon: 32 x 32 for the window, larger sizes for the Windows .ico.
for size in 16 32 48 256; do
    rsvg-convert -w $size -h $size "$out/tavrin-ops-limits.svg" -o "$work/icon-$size.png"
done
cp "$work/icon-32.png" "$out/tavrin-ops-limits-32.png"
# The window's icon, ahead of time in Format_ARGB32's byte layout (B, G, R, A),
# so that start-up decodes no PNG.
convert "$work/icon-32.png" -depth 8 BGRA:"$out/tavrin-ops-limits-32.bgra"
# The web page's icons, for a phone's home screen and the app list.
for size in 192 512; do
    rsvg-convert -w $size -h $size "$out/tavrin-ops-limits.svg" -o "../../web/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$work/icon-256.png" "$out/tavrin-ops-limits.ico"
