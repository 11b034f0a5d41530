#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program if needed and launches it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default --target tavrin-ops-limits
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display here. Run it on a virtual one: xvfb-run scripts/run.sh" >&2
    echo "(xvfb-run comes with: apt-get install -y xvfb xauth)" >&2
    exit 1
fi
exec build/default/ui/tavrin-ops-limits
