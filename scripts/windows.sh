#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program, built on this Debian machine: installs what is
# missing, builds Qt for Windows once (or reuses the cached build), builds
# the program and its tests with mingw-w64, runs the tests under Wine and
# leaves the portable .zip and the installer in build/windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/qt-windows.sh

# The mingw compiler and Debian's host Qt (whose tools the cross build uses),
# GoogleTest's source, Wine to run the tests, NSIS for the installer, and a
# virtual display for the window that the package test opens.
need_packages "${BUILD_PACKAGES[@]}" g++-mingw-w64-x86-64-posix dpkg-dev xz-utils \
    googletest wine wine64 nsis zip unzip xvfb xauth xdotool fonts-liberation2
command -v wine >/dev/null && [ -x /usr/lib/wine/wine64 ] || {
    echo "Wine cannot start: install it with: apt-get install -y wine wine64" >&2
    exit 1
}

build_qt_windows
export TAVRIN_QT_WINDOWS=$QT_WINDOWS_PREFIX

cmake --preset windows >/dev/null
cmake --build --preset windows

# The packages: a portable .zip and an NSIS installer, in build/windows/.
(cd build/windows && cpack)

# One fresh, private Wine prefix for the whole test run, with a server that
# stays up between the tests.
export WINEPREFIX=$PWD/build/windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
env -u DISPLAY wineboot -i >/dev/null 2>&1
# The last test tries the packages in a prefix of its own.
ctest --preset windows
ls -l build/windows/*.zip build/windows/tavrin-ops-limits-*.exe
