#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"

rerun_in_xvfb "$@"

build_all
prepare_wine_prefix
# The end-to-end tests use the shipped executables from outside, on a display and
# in a Wine prefix of their own, so they run beside the in-process GUI tests
# without either seeing the other's windows.
export EDITWINDOW_E2E_PREFIX="$BUILD_DIR/wineprefix-e2e"
prepare_wine_prefix "$EDITWINDOW_E2E_PREFIX"
e2e_display=99
while [ -e "/tmp/.X$e2e_display-lock" ] || [ -e "/tmp/.X11-unix/X$e2e_display" ]; do
    e2e_display=$((e2e_display + 1))
done
Xvfb ":$e2e_display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
xvfb_pid=$!
export EDITWINDOW_E2E_DISPLAY=":$e2e_display"
stop_servers() {
    WINEPREFIX=$EDITWINDOW_E2E_PREFIX wineserver -k >/dev/null 2>&1 || true
    wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_servers EXIT

# Start the servers with their outputs closed, so nothing of Wine holds our pipes.
quiet_server() {
    WINEPREFIX=$1 DISPLAY=$2 wineserver -p >/dev/null 2>&1 </dev/null || true
    WINEPREFIX=$1 DISPLAY=$2 wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
quiet_server "$WINEPREFIX" "$DISPLAY"
WINEPREFIX=$EDITWINDOW_E2E_PREFIX wineserver -p >/dev/null 2>&1 </dev/null

cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@"
