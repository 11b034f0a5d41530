# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by windows.sh: builds Qt for Windows (qtbase, shared, release) from
# Debian's own qt6-base source package with the mingw-w64 toolchain, once,
# into a cache outside the tree, and sets QT_WINDOWS_PREFIX to it.
#
# The cache is keyed by the Debian source version, the compiler and the
# configure options. A finished build carries a checksum list of its files;
# anything without it, or that no longer matches it, is removed and rebuilt.

QT_WINDOWS_OPTIONS=(
    -release -shared -nomake examples -nomake tests
    -xplatform win32-g++
    -no-dbus -no-opengl -no-icu
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml
    # Debian's source leaves out the (non-free) wintab headers.
    -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz
)

qt_windows_key() {
    local source_version compiler
    source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n 1)
    {
        echo "$source_version"
        echo "$compiler"
        echo "${QT_WINDOWS_OPTIONS[*]}"
        grep -v -e '^#' -e '^$' cmake/mingw-w64.cmake # what it says, not its comments
    } | sha256sum | cut -c1-12 | sed "s/^/${source_version//[^A-Za-z0-9.+-]/_}-/"
}

qt_windows_verified() {
    [ -f "$1/.complete" ] && (cd "$1" && sha256sum --check --quiet --strict .complete >/dev/null 2>&1)
}

ensure_deb_src() {
    if apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
        return 0
    fi
    echo "Adding Debian's source package index (deb-src bookworm main)"
    cat >/etc/apt/sources.list.d/tavrin-deb-src.sources <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt-get update -qq
}

build_qt_windows() {
    local cache="${XDG_CACHE_HOME:-$HOME/.cache}/tavrin-ops-limits"
    local key prefix work source_version
    source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    key=$(qt_windows_key)
    prefix="$cache/qt-windows-$key"
    QT_WINDOWS_PREFIX="$prefix"

    if qt_windows_verified "$prefix"; then
        echo "Qt for Windows: cached in $prefix"
        return 0
    fi
    if [ -e "$prefix" ]; then
        echo "Qt for Windows in $prefix is incomplete or damaged (an interrupted build?): rebuilding it."
        rm -rf "$prefix"
    fi

    if [ "$(id -u)" -eq 0 ]; then
        ensure_deb_src
    elif ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
        echo "Building Qt for Windows needs Debian's source index. As root, add a deb-src" >&2
        echo "entry for bookworm main and run apt-get update, or run this script as root." >&2
        exit 1
    fi

    echo "Building Qt for Windows into $prefix (once; about 1,100 steps)"
    work="$cache/build-$key"
    rm -rf "$work"
    mkdir -p "$work"
    cp cmake/mingw-w64.cmake "$work/"
    (
        cd "$work"
        apt-get source -qq "qt6-base=$source_version" >source.log 2>&1 ||
            { cat source.log >&2; exit 1; }
        mkdir build && cd build
        ../qt6-base-*/configure -prefix "$prefix" "${QT_WINDOWS_OPTIONS[@]}" \
            -qt-host-path /usr -- \
            -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
            { tail -n 40 configure.log >&2; exit 1; }
        cmake --build . --parallel "$(nproc)" >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }
        cmake --install . >/dev/null
        mkdir -p "$prefix/share/qt-licenses"
        # Licences and the third-party notices of what the DLLs hold.
        cd ../qt6-base-*/
        find LICENSES src \( -path 'LICENSES/*' -o -name qt_attribution.json -o -iname 'LICENSE*' \
            -o -iname 'COPYING*' \) -type f -print0 |
            tar -c --null -T - -f - | tar -x -C "$prefix/share/qt-licenses"
    )
    # Which source built these libraries: the LGPL's offer of the source.
    cat >"$prefix/share/qt-source.txt" <<SOURCE
The Qt libraries and plugins shipped with TAVRIN OPS LIMITS (Qt6Core.dll,
Qt6Gui.dll, Qt6Widgets.dll and the plugins beside them) are Qt 6.4.2 qtbase,
built unmodified from Debian's source package qt6-base, version
$source_version (as given by: apt-get source qt6-base=$source_version),
cross-compiled with $(x86_64-w64-mingw32-g++-posix --version | head -n 1)
and configured with:
  ${QT_WINDOWS_OPTIONS[*]}
Qt is available under the GNU Lesser General Public License, version 3
(LGPL-3.0.txt beside this file).
SOURCE
    (cd "$prefix" && find . -type f ! -name '.complete*' -print0 | sort -z | xargs -0 sha256sum >.complete.tmp &&
        mv .complete.tmp .complete)
    rm -rf "$work"
    echo "Qt for Windows: built in $prefix"
}
