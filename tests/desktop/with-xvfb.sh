#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a private Xvfb screen, with --wm under openbox, then ends
# what it started and waits for it. Usage: with-xvfb.sh [--wm] WxH COMMAND...
# Xvfb picks its own free display (-displayfd): xvfb-run -a judges a display
# free by its lock file, which two runs started together can both find so.
set -euo pipefail
wm=false
[ "$1" != --wm ] || { wm=true; shift; }
size=$1
shift
work=$(mktemp -d)
started=()
finish() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
# Only clients with the cookie may connect. The server takes every cookie in
# its file whatever the display, so the number is filled in once known.
export XAUTHORITY=$work/Xauthority
cookie=$(mcookie)
touch "$XAUTHORITY"
xauth -q add :0 . "$cookie"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -auth "$XAUTHORITY" \
    3>"$work/display" 2>"$work/log" &
started+=($!)
for _ in $(seq 100); do
    grep -q . "$work/display" && break
    sleep 0.1
done
grep -q . "$work/display" || { echo "Xvfb did not start:" >&2; cat "$work/log" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
xauth -q add "$DISPLAY" . "$cookie"

# openbox now and then cannot open a display that has just started, and
# exits; it is started again until it manages the screen, for up to 20 s.
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
if $wm; then
    openbox=""
    for _ in $(seq 200); do
        managed && break
        if [ -z "$openbox" ] || ! kill -0 "$openbox" 2>/dev/null; then
            openbox >/dev/null 2>&1 &
            openbox=$!
            started=("$openbox" "${started[@]}")
        fi
        sleep 0.1
    done
    managed || { echo "no window manager" >&2; exit 1; }
fi
"$@"
