#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Orca screen reader says while keys are pressed in the program, on
# a private virtual display, D-Bus session and accessibility bus, with speech
# going to a silent audio device. Prints Orca's speech, one line per phrase.
# Usage: scripts/orca-listen.sh [KEY...]   (xdotool key names; default:
#        ctrl+s space Return space KP_Enter)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" orca speech-dispatcher speech-dispatcher-espeak-ng \
    at-spi2-core dbus-x11 libao4 xvfb xauth openbox xdotool
cmake --preset default >/dev/null
cmake --build --preset default --target tavrin-ops-limits >/dev/null
[ $# -gt 0 ] || set -- ctrl+s space Return space KP_Enter

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME/.config/speech-dispatcher" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '%s\n' 'AudioOutputMethod "libao"' 'Include "/etc/speech-dispatcher/modules/espeak-ng.conf"' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
    >"$HOME/.config/speech-dispatcher/speechd.conf"
echo "default_driver=null" >"$HOME/.libao" # speech goes nowhere: Orca's log tells

# Everything below runs on a private display, D-Bus session and runtime
# folder; only what this script started is ended, by its process id (the
# speech server Orca starts writes its id into the private runtime folder).
xvfb-run -a -s "-screen 0 1024x768x24" dbus-launch --exit-with-session bash -c '
    started=()
    stop() {
        # Orca first, while the buses still run, so that it writes out its log.
        if [ -n "${orca:-}" ] && kill "$orca" 2>/dev/null; then
            for _ in $(seq 50); do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done
        fi
        local pidfile=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
        [ -f "$pidfile" ] && started+=("$(cat "$pidfile")")
        kill "${started[@]}" 2>/dev/null || true
    }
    trap stop EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    started+=($!)
    openbox >/dev/null 2>&1 &
    started+=($!)
    sleep 1
    orca --replace -u "$HOME/orca" --debug-file "$HOME/orca.log" >/dev/null 2>&1 &
    orca=$!
    started+=($orca)
    sleep 4
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/default/ui/tavrin-ops-limits \
        >/dev/null 2>&1 &
    started+=($!)
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^TAVRIN OPS LIMITS\$" | head -n 1)
    [ -n "$window" ] || { echo "the window did not open" >&2; exit 1; }
    xdotool windowactivate --sync "$window"
    sleep 2
    for key in "$@"; do xdotool key "$key"; sleep 1.5; done
    sleep 1' listen "$@"
sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *\[*{'established.*$/\1/p" "$HOME/orca.log"
