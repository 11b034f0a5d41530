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
        apt_waiting update -qq
        DEBIAN_FRONTEND=noninteractive apt_waiting install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages. Run this, then try again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

# apt-get, waiting (at most ten minutes, and saying so) while another package
# manager holds its lock: a desktop's automatic updates, or a second script.
apt_waiting() {
    local deadline=$((SECONDS + 600)) said=0 status log
    log=$(mktemp)
    while :; do
        status=0
        apt-get -o DPkg::Lock::Timeout=60 "$@" 2>"$log" || status=$?
        if [ "$status" -ne 0 ] && grep -q -e 'Could not get lock' -e 'Unable to lock' "$log" &&
            [ "$SECONDS" -lt "$deadline" ]; then
            [ "$said" -eq 1 ] || echo "Another package manager is busy; waiting for it (at most 10 minutes)..." >&2
            said=1
            sleep 5
            continue
        fi
        cat "$log" >&2
        rm -f "$log"
        return "$status"
    done
}

BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev qt6-base-dev fonts-liberation2)
# Google Benchmark, and Xlib for the start-up probe.
BENCH_PACKAGES=(libbenchmark-dev libx11-dev)
# What the packaging and desktop tests use: desktop and AppStream validators,
# dpkg's library scan for the .deb, mingw's resource compiler, the package,
# licence and manual page checkers, a virtual X screen with a small window
# manager and the X tools that read its windows, and a headless Wayland
# compositor with Qt's Wayland plugin.
TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev binutils-mingw-w64-x86-64
               lintian reuse man-db xvfb xauth openbox xdotool x11-utils
               weston qt6-wayland)
