#!/usr/bin/env bash
# A shorter session with another language build: type a program, save it, compile
# and run it, and open the help and settings dialogs in that language.
#   short_session.sh <EditWindow_xx.exe> <language> <ui_probe.exe> <shot dir> <compiler bridge dir>
set -u
EXE=$1 LANG_CODE=$2 PROBE=$3 SHOTS=$4 BRIDGE=$5
source "$(dirname "$0")/lib.sh"
begin_session "$BRIDGE"

start_app "$EXE" "$work" || finish
click 1001
type_text '#include <stdio.h>'
key Return
type_text 'int main(void) { puts("short session"); return 0; }'
key ctrl+s
wait_dialog "#1148"
type_text "$(winpath "$work")\\main.c"
key Return
wait_gone "#1148"
wait_file "$work/main.c" 'short session' 
click 304
for _ in $(seq 1 100); do [ -f "$work/out_file.exe" ] && break; sleep 0.3; done
[ -f "$work/out_file.exe" ] || fail "Compile made no out_file.exe"
click 305
wait_text 224 'short session'

click 314                                   # "?"
wait_dialog "#702"
expect_text 704 Zamknij "#702"
probe text 702 "#702" | grep -q -F 'Ctrl+Shift+1 .. 9' || fail "the shortcut list is missing"
shot "short_${LANG_CODE}_help"
click 704 "#702"
wait_gone "#702"

click 306
wait_dialog "#510"
shot "short_${LANG_CODE}_settings"
click 2 "#510"
wait_gone "#510"
finish
