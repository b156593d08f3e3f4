#!/usr/bin/env bash
# A new user's first session with the Polish build, through keyboard and mouse only:
# type a small C program with the three line breaks, add and jump to markers,
# shift lines, save it as main.c, compile and run it, search and replace, save a
# project and open it again in a fresh editor.
#   user_session.sh <EditWindow_pl.exe> <ui_probe.exe> <shot dir> <compiler bridge dir>
set -u
EXE=$1 PROBE=$2 SHOTS=$3 BRIDGE=$4
source "$(dirname "$0")/lib.sh"
begin_session "$BRIDGE"

start_app "$EXE" "$work" || finish
click 1001

note "typing the program"
type_text '#include <stdio.h>'
key ctrl+shift+Return                       # plain line break
type_text 'int main(void)'
key Return                                  # indented line break (no indentation yet)
type_text '{'
key Return
type_text '    printf("hello from the editor\n");'
key Return                                  # keeps the four spaces
type_text 'int x = 2;'
key shift+Return                            # aligned to the caret's pixel column
type_text 'return x - 2;'
key ctrl+shift+Return
type_text '}'
program=$(probe text 1001)
echo "$program" | grep -q -F '    int x = 2;' || fail "Enter did not repeat the indentation: $program"
echo "$program" | grep -q -F '#include <stdio.h>' || fail "the program was not typed"

note "markers: one at the top, one at the bottom, then jumps"
key ctrl+t
key ctrl+shift+1
key ctrl+b
key ctrl+shift+2
program=$(probe text 1001)
echo "$program" | grep -q -F '//--?00' || fail "Ctrl+Shift+1 put no marker"
echo "$program" | grep -q -F '//--?01' || fail "Ctrl+Shift+2 put no marker"
key ctrl+1
sel=$(probe sel 1001)
start=${sel% *}
[ "$(probe text 1001 | head -c $((start + 7)) | tail -c 7)" = "//--?00" ] || fail "Ctrl+1 did not select //--?00 (selection $sel)"
click 352                                   # jump button 1
sel=$(probe sel 1001)
start=${sel% *}
[ "$(probe text 1001 | head -c $((start + 7)) | tail -c 7)" = "//--?01" ] || fail "jump button 1 did not select //--?01 (selection $sel)"

note "shifting every line right by 2 and back"
before=$(probe text 1001)
click 1001
key ctrl+a
click 312                                   # "+": the number becomes 2
expect_text 310 2
key ctrl+a
click 308                                   # "--->"
probe text 1001 | grep -q -F '  #include' || fail "---> did not shift the lines"
key ctrl+a
click 307                                   # "<---"
[ "$(probe text 1001)" = "$before" ] || fail "<--- did not shift the lines back"
shot user_typed

note "saving as main.c"
click 1001
key ctrl+s
wait_dialog "#1148"                          # the save dialog (its file-name box)
type_text "$(winpath "$work")\\main.c"
key Return
wait_gone "#1148"
wait_file "$work/main.c" 'hello from the editor' 
[ "$(probe title)" = "$(winpath "$work")\\main.c" ] || fail "the title does not name main.c: $(probe title)"

note "compiling and running"
click 304                                   # Kompiluj
for _ in $(seq 1 100); do [ -f "$work/out_file.exe" ] && break; sleep 0.3; done
[ -f "$work/out_file.exe" ] || fail "Compile made no out_file.exe (pane: $(probe text 224 | head -c 400))"
click 305                                   # Uruchom
wait_text 224 'hello from the editor'
shot user_compiled

note "search and replace"
click 313                                   # Szukaj
wait_dialog "#602"
click 602 "#602"
type_text 'hello'
click 604 "#602"                            # Szukaj in the dialog
sel=$(probe sel 1001)
[ "${sel#* }" -gt "${sel% *}" ] || fail "the search selected nothing ($sel)"
click 606 "#602"
type_text 'hello'
click 608 "#602"
type_text 'goodbye'
shot user_search
click 609 "#602"                            # Zamień
probe text 1001 | grep -q 'goodbye from the editor' || fail "Replace did not replace"
click 610 "#602"                            # Zrobione
wait_gone "#602"
click 302                                   # Zapisz: current_file is known, no dialog
wait_file "$work/main.c" 'goodbye from the editor' 

note "a project with a renamed jump button"
click 306                                   # Ustawienia
wait_dialog "#510"
click 509 "#510"
select_field
type_text 'start'
click 515 "#510"                            # Ustaw
expect_text 351 start
click 510 "#510"
select_field
type_text 'gcc -Wall -o out_file main.c'
shot user_settings
click 513 "#510"                            # Zapisz projekt: asks for a path
wait_dialog "#1148"
type_text "$(winpath "$work")\\first.kedp"
key Return
wait_gone "#1148"
click 2 "#510"                              # Zrobione
wait_gone "#510"
for _ in $(seq 1 50); do [ -f "$work/first.kedp" ] && break; sleep 0.1; done
[ "$(stat -c %s "$work/first.kedp" 2>/dev/null)" = 3302 ] || fail "the project file is not 3302 bytes"
stop_app

start_app "$EXE" "$work" || finish
expect_text 351 '//--?00'
click 306
wait_dialog "#510"
click 512 "#510"                            # Otwórz projekt
wait_dialog "#1148"
type_text "$(winpath "$work")\\first.kedp"
key Return
wait_gone "#1148"
expect_text 351 start
expect_text 510 'gcc -Wall -o out_file main.c' "#510"
expect_text 224 'gcc -Wall -o out_file main.c'
click 2 "#510"
wait_gone "#510"
shot user_reopened
finish
