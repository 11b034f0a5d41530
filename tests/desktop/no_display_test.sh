#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Started where there is no display, or one that refuses the connection, the
# program says so in one line and exits with status 1 (no abort, no core).
set -uo pipefail
program=$1

expect_no_display() {
    local name=$1
    shift
    local output status
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
    status=$?
    [ "$status" -eq 1 ] || { echo "$name: exit status $status, not 1"; echo "$output"; exit 1; }
    [ "$(wc -l <<<"$output")" -eq 1 ] && grep -q "no display could be opened.*xvfb-run" <<<"$output" ||
        { echo "$name: said"; echo "$output"; exit 1; }
}

expect_no_display "no display"
expect_no_display "display refuses" DISPLAY=:97
expect_no_display "no Wayland compositor" XDG_RUNTIME_DIR=/nonexistent WAYLAND_DISPLAY=wayland-97 QT_QPA_PLATFORM=wayland

# A platform that does not exist is another fault: Qt's own words, status 1.
output=$(QT_QPA_PLATFORM=no-such-platform "$program" 2>&1)
status=$?
[ "$status" -eq 1 ] && grep -q 'no-such-platform' <<<"$output" ||
    { echo "unknown platform: status $status"; echo "$output"; exit 1; }
echo "without a display the program says so and exits with status 1"
