#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install puts the program, its desktop entry, AppStream record and
# icons where a desktop finds them, and both records validate.
set -euo pipefail
build=$1 version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

id=org.tavrin.OpsLimits
share=$root/usr/share
for file in bin/tavrin-ops-limits share/man/man1/tavrin-ops-limits.1.gz share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$root/usr/$file" ] || { echo "not installed: $file"; exit 1; }
done

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

entry() { sed -n "s/^$1=//p" "$share/applications/$id.desktop"; }
[ "$(entry Name)" = "TAVRIN OPS LIMITS" ] || { echo "wrong Name"; exit 1; }
[ -x "$root/usr/bin/$(entry Exec)" ] || { echo "Exec names no installed program"; exit 1; }
[ -f "$share/icons/hicolor/32x32/apps/$(entry Icon).png" ] || { echo "Icon names no icon"; exit 1; }
grep -q "^Categories=.*Education;" "$share/applications/$id.desktop" || { echo "not in Education"; exit 1; }
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || { echo "no release $version"; exit 1; }

# The manual page renders without a warning and names the program.
man_page=$share/man/man1/tavrin-ops-limits.1.gz
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man page warnings:"; echo "$warnings"; exit 1; }
lexgrog "$man_page" | grep -q "tavrin-ops-limits - " || { echo "man page has no NAME line"; exit 1; }

# The PNG header holds width and height: 32 x 32.
size=$(od -An -tu1 -j16 -N8 "$share/icons/hicolor/32x32/apps/$id.png" | tr -s ' ')
[ "$size" = " 0 0 0 32 0 0 0 32" ] || { echo "icon is not 32 x 32:$size"; exit 1; }
echo "install tree complete and valid"
