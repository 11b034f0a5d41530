#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The two Windows packages, tried under Wine in a throw-away prefix:
# - the .zip, unpacked into an empty folder, starts and shows its window with
#   nothing else on the PATH;
# - the installer installs silently into the 64-bit Program Files with its
#   Start-menu shortcut and uninstall entry, installs again over itself
#   (removing the old copy first), its shortcut starts the installed program,
#   and its uninstaller leaves nothing behind.
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH DISPLAY
fail() { echo "$*"; exit 1; }

# The packages that scripts/windows.sh made with cpack, in the build folder.
zip=$build/tavrin-ops-limits-$version-windows-x64.zip
installer=$build/tavrin-ops-limits-$version-windows-x64.exe
[ -f "$zip" ] && [ -f "$installer" ] || fail "no packages in $build: scripts/windows.sh makes them"
# Older than the program they hold: not made from this build.
for package in "$zip" "$installer"; do
    [ "$package" -nt "$build/TAVRIN OPS LIMITS.exe" ] || fail "$(basename "$package") is older than the build"
done
for package in "$zip" "$installer"; do
    size=$(stat -c %s "$package")
    [ "$size" -lt $((15 * 1024 * 1024)) ] || fail "$(basename "$package") is $size bytes, over 15 MB"
done
# Let the prefix's first processes end: started without a display, they would
# keep later windows off the screen.
wineboot -i >/dev/null 2>&1
wineserver -w

# The portable program: its window must come up on a real (virtual) display.
mkdir "$work/portable"
unzip -q "$zip" -d "$work/portable"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    cd "$0" && wine "TAVRIN OPS LIMITS.exe" >/dev/null 2>&1 &
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^TAVRIN OPS LIMITS\$" | head -n 1)
    wineserver -k
    [ -n "$window" ]' "$work/portable" || fail "the unpacked .zip shows no window"

programs="$WINEPREFIX/drive_c/Program Files/TAVRIN OPS LIMITS"
programs32="$WINEPREFIX/drive_c/Program Files (x86)/TAVRIN OPS LIMITS"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TAVRIN OPS LIMITS/TAVRIN OPS LIMITS.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TAVRIN OPS LIMITS'
# The installer registers itself in the 64-bit view; with 32-bit Wine beside
# the 64-bit one, a plain "wine reg" reads the 32-bit view.
for round in first again; do
    wine "$installer" /S
    wineserver -w
    for file in "TAVRIN OPS LIMITS.exe" Qt6Widgets.dll platforms/qwindows.dll \
                libstdc++-6.dll LICENSE.txt Qt-LGPL-3.0.txt Qt-SOURCE.txt THIRD-PARTY-NOTICES.txt; do
        [ -f "$programs/$file" ] || fail "installed $round: no $file"
    done
    [ ! -e "$programs32" ] || fail "installed $round: into the 32-bit Program Files (x86)"
    [ -f "$shortcut" ] || fail "installed $round: no Start-menu shortcut"
    entry=$(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')
    grep -q "DisplayVersion *REG_SZ *$version\$" <<<"$entry" || fail "installed $round: no version $version in: $entry"
    grep -q 'DisplayIcon *REG_SZ *.*TAVRIN OPS LIMITS.exe$' <<<"$entry" || fail "installed $round: no icon"
done

# The Start-menu entry, opened as a new user would: the installed program's window.
# The prefix's processes that "wine reg" left, without a display, end first.
wineserver -k 2>/dev/null || true
wineserver -w
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wine start /unix "$0" >/dev/null 2>&1 &
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^TAVRIN OPS LIMITS\$" | head -n 1)
    wineserver -k
    [ -n "$window" ]' "$shortcut" || fail "the Start-menu shortcut shows no window"

wine "$programs/Uninstall.exe" /S
wineserver -w
[ ! -e "$programs" ] || fail "uninstalled: left $(find "$programs" | head -n 3)"
[ ! -e "$(dirname "$shortcut")" ] || fail "uninstalled: left the Start-menu folder"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "uninstalled: left the uninstall entry"
[ -d "$WINEPREFIX/drive_c/Program Files (x86)" ] && both="; the prefix has both Program Files" || both=""
echo "zip $(stat -c %s "$zip") bytes, installer $(stat -c %s "$installer") bytes: both work under Wine$both"
