#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of the Windows program under Wine, against
# an empty Qt window built the same way, both run from one installed folder
# on a virtual X display. Needs the Windows build (scripts/windows.sh).
# Usage: bench/startup-wine.sh [RUNS] (default 21)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/qt-windows.sh
need_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" xvfb xauth wine wine64
build_qt_windows >/dev/null
export TAVRIN_QT_WINDOWS=$QT_WINDOWS_PREFIX
cmake --preset bench >/dev/null
cmake --build --preset bench --target startup_probe
cmake --preset windows >/dev/null
cmake --build --preset windows --target tavrin-ops-limits startup_floor

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cmake --install build/windows --prefix "$work/app" --strip >/dev/null
cp build/windows/startup_floor.exe "$work/app/"
for exe in "TAVRIN OPS LIMITS" startup_floor; do
    printf '#!/bin/sh\ncd "%s" && exec wine "%s.exe"\n' "$work/app" "$exe" >"$work/$exe.sh"
    chmod +x "$work/$exe.sh"
done
env -u DISPLAY wineboot -i >/dev/null 2>&1
wineserver -w
# A server that stays up, and one start of each beforehand, so that every
# measured run finds Wine as warm as the next.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    wineserver -p
    "$0" 1 "$1" "$2" >/dev/null
    "$0" "$3" "$1" "$2"' \
    build/bench/bench/startup_probe "$work/TAVRIN OPS LIMITS.sh" "$work/startup_floor.sh" "${1:-21}"
