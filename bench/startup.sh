#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of the program against an empty Qt window,
# both under a virtual X display. Usage: bench/startup.sh [RUNS] (default 21)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" xvfb xauth
cmake --preset bench >/dev/null
cmake --build --preset bench --target tavrin-ops-limits startup_floor startup_probe
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x800x24" build/bench/bench/startup_probe "${1:-21}" \
    build/bench/ui/tavrin-ops-limits build/bench/bench/startup_floor
