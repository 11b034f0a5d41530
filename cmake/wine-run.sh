#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program of the cross build under Wine, for CTest
# (CMAKE_CROSSCOMPILING_EMULATOR, set by the windows preset):
#   wine-run.sh --fonts FONTDIR DLLDIR... -- PROGRAM [ARG...]
# with the Qt DLLs, the compiler's runtime and the given folders on its PATH,
# and the test's Qt settings handed over. FONTDIR is where Qt's offscreen
# platform, on Windows, finds fonts. Wine does not pass variables that start with QT_ to
# Windows programs, but passes WINEQT_... as QT_...
set -euo pipefail
qt=${TAVRIN_QT_WINDOWS:?TAVRIN_QT_WINDOWS names the Qt for Windows prefix}
export WINEPREFIX=${WINEPREFIX:-$(dirname "$0")/../build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine sees the root file system as drive Z:.
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
[ "${1:-}" = --fonts ] || { echo "usage: $0 --fonts FONTDIR DLLDIR... -- PROGRAM [ARG...]" >&2; exit 2; }
WINEQT_QPA_FONTDIR=$(windows_path "$2")
shift 2
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime")"
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    WINEPATH="$WINEPATH;$(windows_path "$1")"
    shift
done
shift
export WINEPATH WINEQT_QPA_FONTDIR
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    export WINEQT_QPA_PLATFORM=$QT_QPA_PLATFORM
fi
WINEQT_PLUGIN_PATH=$(windows_path "$qt/plugins")
export WINEQT_PLUGIN_PATH
exec wine "$@"
