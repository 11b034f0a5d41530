# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by run.sh and test.sh: installs the Debian packages that are
# missing, or says how to when not root.

need_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages. Run this, then try again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev libx11-dev fonts-liberation2)
# What the packaging and desktop tests use: desktop and AppStream validators,
# dpkg's library scan for the .deb, mingw's resource compiler, the package,
# licence and manual page checkers, a virtual X screen with a small window
# manager and the X tools that read its windows, and a headless Wayland
# compositor with Qt's Wayland plugin.
TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev binutils-mingw-w64-x86-64
               lintian reuse man-db xvfb xauth openbox xdotool x11-utils
               weston qt6-wayland)
