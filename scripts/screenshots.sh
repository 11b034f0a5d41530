#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the README's screenshots of the real window under a virtual X
# display: the idle window, a review step with a long answer, a marked one,
# and the look-up table.
# Usage: scripts/screenshots.sh [scale] [dark]
#   scale: QT_SCALE_FACTOR, default 1; dark: GNOME's dark theme through Qt's
#   GTK platform theme.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside-xvfb ]; then
    . scripts/deps.sh
    need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick qt6-gtk-platformtheme
    cmake --preset default >/dev/null
    cmake --build --preset default --target tavrin-ops-limits
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside-xvfb "${1:-1}" "${2:-}"
fi

scale=$2
suffix=$([ "$scale" = 1 ] && echo "" || echo "-x$scale")
if [ "${3:-}" = dark ]; then
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    suffix=$suffix-dark
fi
out=docs/screenshots
mkdir -p "$out"

QT_SCALE_FACTOR="$scale" build/default/ui/tavrin-ops-limits &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
    window=$(xdotool search --name "^TAVRIN OPS LIMITS$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
sleep 0.5
xdotool windowfocus --sync "$window"
[[ $suffix == *dark ]] || import -window "$window" "$out/idle$suffix.png"
xdotool key ctrl+s
# Item 103 has the longest answer: 205 steps reach its question, one more its answer.
xdotool key --delay 2 --repeat 206 space
sleep 0.5
import -window "$window" "$out/review$suffix.png"
[ "$scale" = 1 ] || { echo "Wrote the screenshots of $out/*$suffix.png"; exit 0; }
# Two items on: an answer marked to review again, the one before it marked too.
xdotool key space Return a space Return a
sleep 0.3
import -window "$window" "$out/study$suffix.png"
# File > Look Up..., filtered.
xdotool key ctrl+l
lookup=""
for _ in $(seq 50); do
    lookup=$(xdotool search --onlyvisible --name "^LOOK UP A LIMIT$" 2>/dev/null | head -1 || true)
    [ -n "$lookup" ] && break
    sleep 0.1
done
xdotool type --delay 20 "oil press"
sleep 0.5
import -window "$lookup" "$out/lookup$suffix.png"
echo "Wrote the screenshots of $out/*$suffix.png"
