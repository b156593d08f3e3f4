#!/usr/bin/env bash
# Starts one shipped executable under Wine, checks its window tree from outside
# and its resources, and saves a screenshot:
#   smoke.sh <exe> <language> <window_tree.exe> <shot dir> <application icon>
set -u
exe=$1 lang=$2 tree=$3 shots=$4 icon=$5
# The test command gives these tests a display and a Wine prefix of their own.
export DISPLAY=${EDITWINDOW_E2E_DISPLAY:-$DISPLAY}
export WINEPREFIX=${EDITWINDOW_E2E_PREFIX:-$WINEPREFIX}
wineserver -p >/dev/null 2>&1 </dev/null
mkdir -p "$shots"
work=$(mktemp -d)
cd "$work"
wine "$exe" >/dev/null 2>&1 </dev/null &
app=$!
status=0
wine "$tree" "$lang" "$(winepath -w "$exe")" "$(winepath -w "$icon")" </dev/null || status=1
import -window root "$shots/EditWindow_$lang.png" 2>/dev/null || { echo "FAIL: no screenshot"; status=1; }
kill "$app" 2>/dev/null
wine taskkill /f /im "$(basename "$exe")" >/dev/null 2>&1 </dev/null
wait "$app" 2>/dev/null
rm -rf "$work"
[ -s "$shots/EditWindow_$lang.png" ] || status=1
exit $status
