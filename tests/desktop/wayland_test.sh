#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Qt test program natively on Wayland: on a private, headless Weston
# with Qt's Wayland platform plugin.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/wayland-test" ] && break
    sleep 0.1
done
[ -S "$runtime/wayland-test" ] || { echo "Weston did not start:"; cat "$runtime/weston.log"; exit 1; }
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$@"
