#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cpack builds a .deb that declares its Qt dependencies, carries the desktop
# files, and installs and removes cleanly. It is installed into a private
# dpkg root, never into the machine's own package database.
set -euo pipefail
build=$1 version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)

[ "$(dpkg-deb -f "$deb" Package)" = tavrin-ops-limits ] || { echo "wrong package name"; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "not version $version"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$dependency" <<<"$depends" || { echo "Depends lacks $dependency: $depends"; exit 1; }
done

# What a distribution's checker says: no error, no warning.
tags=$(lintian --no-tag-display-limit "$deb" 2>/dev/null | grep -E '^(E|W):' || true)
[ -z "$tags" ] || { echo "lintian:"; echo "$tags"; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/tavrin-ops-limits ./usr/share/applications/org.tavrin.OpsLimits.desktop \
            ./usr/share/metainfo/org.tavrin.OpsLimits.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/org.tavrin.OpsLimits.png \
            ./usr/share/icons/hicolor/scalable/apps/org.tavrin.OpsLimits.svg \
            ./usr/share/man/man1/tavrin-ops-limits.1.gz \
            ./usr/share/doc/tavrin-ops-limits/copyright ./usr/share/doc/tavrin-ops-limits/changelog.gz; do
    grep -qx "$file" <<<"$contents" || { echo "package lacks $file"; exit 1; }
done

root=$out/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg() { command dpkg --root="$root" --force-not-root --force-script-chrootless --log=/dev/null "$@"; }
dpkg --force-depends -i "$deb" >/dev/null 2>&1
[ -x "$root/usr/bin/tavrin-ops-limits" ] || { echo "dpkg -i installed no program"; exit 1; }
for program in "$root/usr/bin/tavrin-ops-limits" "$build/ui/tavrin-ops-limits"; do
    ! readelf -d "$program" | grep -E 'R(UN)?PATH' || { echo "$program has a library search path"; exit 1; }
done
dpkg -r tavrin-ops-limits >/dev/null
left=$(find "$root" -path "$root/var" -prune -o -type f -print | wc -l)
[ "$left" -eq 0 ] || { echo "dpkg -r left $left files"; exit 1; }
echo "package $(basename "$deb") builds, installs and removes cleanly"
