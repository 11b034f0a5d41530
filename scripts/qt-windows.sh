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

# apt-get source from a private sources list and lists folder: the source
# index of the same Debian archives this machine installs from, used for this
# one download and removed with the work folder. The system's apt
# configuration is left as it is, and no root is needed.
fetch_qt_source() {
    local version=$1 apt_dir=$PWD/apt keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    local signed="" options
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    [ -f "$keyring" ] && signed=" [signed-by=$keyring]"
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
        sort -u | sed "s|^|deb-src$signed |" >"$apt_dir/sources.list"
    options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
    apt-get "${options[@]}" update -qq &&
        apt-get "${options[@]}" source -qq "qt6-base=$version"
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

    echo "Building Qt for Windows into $prefix (once; about 1,100 steps)"
    work="$cache/build-$key"
    rm -rf "$work"
    mkdir -p "$work"
    cp cmake/mingw-w64.cmake "$work/"
    (
        cd "$work"
        fetch_qt_source "$source_version" >source.log 2>&1 ||
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
