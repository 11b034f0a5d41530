#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where the program's window opens, as a window manager frames it: centred on
# a screen that holds it, and with its frame's top-left corner (title bar and
# menu bar) on the screen when the screen is smaller than the window.
set -euo pipefail
program=$1

# Starts the program on a private Xvfb screen of the given size under
# openbox, and prints "screenW screenH frameX frameY frameW frameH
# decorationHeight".
frame_on_screen() {
    local size=$1
    shift
    "$(dirname "$0")/with-xvfb.sh" --wm "$size" env "$@" bash -c '
        # Every wait is bounded: a program that fails to start ends the test.
        "$0" >/dev/null 2>&1 &
        program=$!
        trap "kill $program 2>/dev/null" EXIT
        window=$(timeout 20 xdotool search --sync --onlyvisible --name "^TAVRIN OPS LIMITS\$" | head -n 1)
        [ -n "$window" ] || { echo "the window did not open" >&2; exit 1; }
        timeout 20 bash -c "until xprop -id $window _NET_FRAME_EXTENTS 2>/dev/null | grep -q =; do sleep 0.1; done" ||
            { echo "the window was never framed" >&2; exit 1; }
        # Until the window manager has settled the position: two reads alike.
        where() { xwininfo -id "$window" | grep "Absolute upper-left"; }
        before=$(where)
        for _ in $(seq 50); do
            sleep 0.1
            now=$(where)
            [ "$now" = "$before" ] && break
            before=$now
        done
        # xwininfo gives the client window'"'"'s true position on the root.
        X=$(xwininfo -id "$window" | sed -n "s/.*Absolute upper-left X: *//p")
        Y=$(xwininfo -id "$window" | sed -n "s/.*Absolute upper-left Y: *//p")
        WIDTH=$(xwininfo -id "$window" | sed -n "s/.*Width: *//p")
        HEIGHT=$(xwininfo -id "$window" | sed -n "s/.*Height: *//p")
        IFS=", " read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | cut -d= -f2)
        read -r sw sh < <(xdotool getdisplaygeometry)
        echo "$sw $sh $((X - left)) $((Y - top)) $((WIDTH + left + right)) $((HEIGHT + top + bottom)) $((top + bottom))"
    ' "$program"
}

check() {
    local name=$1 size=$2
    shift 2
    local frame
    frame=$(frame_on_screen "$size" "$@") || { echo "$name: $frame"; exit 1; }
    read -r sw sh fx fy fw fh decoration <<<"$frame"
    echo "$name: screen ${sw}x$sh, frame ${fw}x$fh at $fx,$fy"
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] || { echo "$name: frame's top-left corner is off the screen"; exit 1; }
    if [ "$fw" -le "$sw" ] && [ "$fh" -le "$sh" ]; then
        # Fits: centred. The frame's size is unknown until the window is
        # shown, so the centre may be off by the frame's own thickness.
        local dx=$((2 * fx + fw - sw)) dy=$((2 * fy + fh - sh)) slack=$((decoration + 2))
        [ "${dx#-}" -le "$slack" ] && [ "${dy#-}" -le "$slack" ] || { echo "$name: not centred"; exit 1; }
    fi
}

check "large screen" 1024x768 QT_QPA_PLATFORM=xcb
check "small screen" 400x300 QT_QPA_PLATFORM=xcb
check "scaled 3 times" 1024x768 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=3
echo "the window opens on the screen"
