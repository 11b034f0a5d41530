#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The version is set once, in project(): a copy of the sources bumped to
# 1.2.0.0 (with its release listed) must configure to "1.02" everywhere the
# version shows: the program's own record, the Windows version record, the
# .deb, the AppStream record, the Debian changelog and the manual page.
set -euo pipefail
source=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tar -C "$source" --exclude=./build --exclude=./.git --exclude=node_modules -cf - . | tar -C "$tmp" -xf -
sed -i 's/^    VERSION 1\.0\.0\.0$/    VERSION 1.2.0.0/' "$tmp/CMakeLists.txt"
sed -i 's/^set(TAVRIN_RELEASES$/&\n    "1.02|2027-01-15|A bump, for the test."/' "$tmp/packaging/releases.cmake"
cmake -S "$tmp" -B "$tmp/build" -G Ninja -DBUILD_TESTING=OFF >"$tmp/configure.log" 2>&1 ||
    { cat "$tmp/configure.log"; exit 1; }
b=$tmp/build
fail() { echo "$1"; exit 1; }
grep -q '#define TAVRIN_VERSION "1.02"' "$b/generated/ProgramInfo.h" || fail "program: not 1.02"
grep -q 'CPACK_PACKAGE_VERSION "1.02"' "$b/CPackConfig.cmake" || fail ".deb: not 1.02"
grep -q '<release version="1.02"' "$b"/ui/*.metainfo.xml || fail "AppStream: not 1.02"
head -n 1 "$b/packaging/changelog" | grep -qF '(1.02)' || fail "changelog: not 1.02"
grep -q 'TAVRIN OPS LIMITS 1.02' "$b/packaging/tavrin-ops-limits.1" || fail "manual page: not 1.02"
"$here/windres_test.sh" "$b/ui/tavrin-ops-limits.rc" 1.2.0.0 1.02 >/dev/null || fail "Windows record: not 1.02"
echo "a bump to 1.2.0.0 shows as 1.02 everywhere"
