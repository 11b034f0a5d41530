#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program of the cross build under Wine, for CTest
# (CMAKE_CROSSCOMPILING_EMULATOR): with the Qt DLLs and the mingw runtime on
# its PATH, and the test's Qt settings handed over. Wine does not pass
# variables that start with QT_ to Windows programs, but passes WINEQT_...
# as QT_...
set -euo pipefail
qt=${TAVRIN_QT_WINDOWS:?TAVRIN_QT_WINDOWS names the Qt for Windows prefix}
export WINEPREFIX=${WINEPREFIX:-$(dirname "$0")/../build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine sees the root file system as drive Z:.
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime")"
export WINEPATH="$WINEPATH;$(windows_path /usr/x86_64-w64-mingw32/lib)"
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    export WINEQT_QPA_PLATFORM=$QT_QPA_PLATFORM
fi
WINEQT_PLUGIN_PATH=$(windows_path "$qt/plugins")
# Qt's offscreen platform on Windows finds fonts only where it is told.
WINEQT_QPA_FONTDIR=$(windows_path /usr/share/fonts/truetype/liberation2)
export WINEQT_PLUGIN_PATH WINEQT_QPA_FONTDIR
exec wine "$@"
