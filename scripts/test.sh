#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds and runs every test of the desktop, in the optimised and in the
# sanitizer build (the window tests run headless: QT_QPA_PLATFORM=offscreen,
# set by the presets), then every test of the page (scripts/web.sh). The
# Windows build and its tests are scripts/windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

for preset in default asan; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" --parallel 2
done

scripts/web.sh test
