#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The titles that the window manager receives (_NET_WM_NAME), as the user
# reads them in the title bars: the main window's, and the end-of-review
# box's after a whole review driven by keys.
set -euo pipefail
program=$1
"$(dirname "$0")/with-xvfb.sh" --wm 1024x768 env QT_QPA_PLATFORM=xcb bash -c '
    # Every wait is bounded: a program that fails to start ends the test.
    "$0" >/dev/null 2>&1 &
    program=$!
    trap "kill $program 2>/dev/null" EXIT
    title() { xprop -id "$1" _NET_WM_NAME | sed -n "s/^_NET_WM_NAME(UTF8_STRING) = \"\(.*\)\"$/\1/p"; }
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^TAVRIN OPS LIMITS\$" | head -n 1)
    [ -n "$window" ] || { echo "the window did not open"; exit 1; }
    [ "$(title "$window")" = "TAVRIN OPS LIMITS" ] || { echo "main window: $(title "$window")"; exit 1; }
    timeout 20 xdotool windowactivate --sync "$window" key ctrl+s
    # 408 steps; keys sent too fast may be dropped, so the last ones go one
    # by one until the box is there.
    xdotool key --delay 5 --repeat 400 space
    box=""
    for _ in $(seq 40); do
        box=$(xdotool search --onlyvisible --name "CONGRATULATIONS" | head -n 1 || true)
        [ -n "$box" ] && break
        xdotool key space
        sleep 0.1
    done
    [ -n "$box" ] || { echo "no end-of-review box"; exit 1; }
    [ "$(title "$box")" = "CONGRATULATIONS!" ] || { echo "end box: $(title "$box")"; exit 1; }
    echo "title bars read \"TAVRIN OPS LIMITS\" and \"CONGRATULATIONS!\""
' "$program"
