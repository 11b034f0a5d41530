#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the program against an empty Qt window, both under a virtual X
# display.
#   bench/startup.sh [RUNS]        time, peak memory and CPU time: medians of
#                                  RUNS alternated runs (default 21)
#   bench/startup.sh RUNS floor    the empty window against itself: how far
#                                  this machine scatters when nothing differs
#   bench/startup.sh instructions  instructions each runs until its window is
#                                  mapped and painted, counted by callgrind:
#                                  the same on every run, however busy the
#                                  machine
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" xvfb xauth
cmake --preset bench >/dev/null
cmake --build --preset bench --target tavrin-ops-limits startup_floor startup_probe
unset QT_QPA_PLATFORM
program=build/bench/ui/tavrin-ops-limits floor=build/bench/bench/startup_floor

if [ "${1:-}" != instructions ]; then
    [ "${2:-}" != floor ] || program=$floor
    exec xvfb-run -a -s "-screen 0 1280x800x24" build/bench/bench/startup_probe "${1:-21}" \
        "$program" "$floor"
fi

need_packages valgrind x11-utils
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/count.sh" <<'EOF'
# Runs each program under callgrind until its window is viewable and has had
# a second to paint and settle, then ends it (callgrind writes its count on
# the way out).
set -eu
work=$1; shift
mapped() {
    for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && return 0
    done
    return 1
}
for program in "$@"; do
    valgrind --tool=callgrind --callgrind-out-file="$work/$(basename "$program").out" \
        "$program" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 600); do mapped && break; sleep 0.1; done
    mapped || { echo "$program: no window within 60 s" >&2; kill "$pid"; exit 1; }
    sleep 1
    kill -TERM "$pid"
    wait "$pid" || true
done
EOF
xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/count.sh" "$work" "$program" "$floor"
count() { awk '/^totals:/ {print $2}' "$work/$(basename "$1").out"; }
awk -v p="$(count "$program")" -v f="$(count "$floor")" 'BEGIN {
    printf "instructions to the painted window: %.1f M against %.1f M, ratio %.3f\n", p / 1e6, f / 1e6, p / f }'
