#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ -z "${EDITWINDOW_IN_XVFB:-}" ]; then
    install_missing_packages
    export EDITWINDOW_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build_all
prepare_wine_prefix
# Start the server with its outputs closed, so nothing of Wine holds our pipes.
wineserver -p >/dev/null 2>&1 </dev/null || true
wine cmd /c exit >/dev/null 2>&1 </dev/null || true

cd "$BUILD_DIR"
status=0
ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
