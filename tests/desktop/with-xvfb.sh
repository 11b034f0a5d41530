#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a private Xvfb screen, then ends that server and waits
# for it. Usage: with-xvfb.sh WIDTHxHEIGHT COMMAND...
# Xvfb picks its own free display (-displayfd), so that two runs never share
# one: xvfb-run -a judges a display free by its lock file, which a server
# that is still shutting down has already removed while its socket remains.
set -euo pipefail
size=$1
shift
work=$(mktemp -d)
xvfb=""
finish() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/log" &
xvfb=$!
for _ in $(seq 100); do
    grep -q . "$work/display" && break
    sleep 0.1
done
grep -q . "$work/display" || { echo "Xvfb did not start:" >&2; cat "$work/log" >&2; exit 1; }
DISPLAY=:$(cat "$work/display") "$@"
