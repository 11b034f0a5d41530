#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The web edition: installs what is missing, builds the site into
# build/web/site/ and tests it: the bank and drill suites under node, then
# the page in Debian's Chromium, then the same page tried in Firefox ESR and
# WebKitGTK.
#   scripts/web.sh          build and run every web test
#   scripts/web.sh serve    build, then serve the site on http://127.0.0.1:8080/
#   scripts/web.sh bench    build, then time the page's start beside its scriptless self and Look Up's
#                           keystrokes, and weigh the site
#   scripts/web.sh screenshots  build, then redraw the page's pictures in docs/
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# emscripten (which brings node), GoogleTest's source, the browser, and
# pdftotext for the printed sheet; Firefox ESR and WebKitGTK's driver, with a
# virtual display, to try the page in the other two engines.
need_packages cmake ninja-build emscripten esbuild googletest chromium poppler-utils \
    firefox-esr webkit2gtk-driver xvfb xauth
command -v npm >/dev/null || need_packages npm
# The test tools, at the versions package-lock.json pins.
if [ ! -f web/node_modules/.package-lock.json ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
fi

cmake --preset web >/dev/null
cmake --build --preset web
case "${1:-test}" in
test)
    ctest --preset web
    (cd web && node --test tests/)
    tests/desktop/with-xvfb.sh 1024x768 node web/engines.mjs
    ;;
serve)
    exec node web/serve.mjs 8080
    ;;
bench)
    node bench/web-startup.mjs "${2:-11}" "${3:-3}"
    node bench/web-lookup.mjs
    ;;
screenshots)
    node web/screenshots.mjs
    ;;
*)
    echo "usage: $0 [test|serve|bench [RUNS]|screenshots]" >&2
    exit 2
    ;;
esac
