#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows version record compiles with mingw's windres, and the compiled
# resource holds the version numbers and the six strings of table 040904B0.
set -euo pipefail
rc=$1 numbers=$2 version=$3 # 1.0.0.0 1.00
# The host preprocessor serves: the script includes no Windows header.
windres() { x86_64-w64-mingw32-windres --preprocessor=cpp "$@"; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
windres --input-format=rc --output-format=res -i "$rc" -o "$tmp/app.res"
windres --input-format=res --output-format=rc -i "$tmp/app.res" -o "$tmp/back.rc"
windres --input-format=rc --output-format=coff -i "$rc" -o "$tmp/app.o"

expect() { grep -qF -- "$1" "$tmp/back.rc" || { echo "compiled resource lacks: $1"; cat "$tmp/back.rc"; exit 1; }; }
expect "FILEVERSION ${numbers//./, }"
expect "PRODUCTVERSION ${numbers//./, }"
expect 'BLOCK "040904B0"'
expect 'VALUE "ProductName", "TAVRIN OPS LIMITS"'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect 'VALUE "InternalName", "TAVRIN OPS LIMITS"'
expect 'VALUE "OriginalFilename", "TAVRIN OPS LIMITS.exe"'
expect 'VALUE "CompanyName"'
expect 'VALUE "Translation", 0x409, 1200'
grep -q "ICON" "$tmp/back.rc" || { echo "no icon in the resource"; exit 1; }
echo "windows resource compiles"
