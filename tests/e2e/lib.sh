# Shared by the end-to-end scripts: start a shipped executable under Wine, look at
# it with ui_probe, and use it with xdotool as a person would.

# The test command gives these tests a display and a Wine prefix of their own.
export DISPLAY=${EDITWINDOW_E2E_DISPLAY:-$DISPLAY}
export WINEPREFIX=${EDITWINDOW_E2E_PREFIX:-$WINEPREFIX}
wineserver -p >/dev/null 2>&1 </dev/null

E2E_FAILS=0
SHOTS=${SHOTS:-/tmp}

fail() { echo "FAIL: $*"; E2E_FAILS=$((E2E_FAILS + 1)); }
note() { echo "-- $*"; }

probe() { wine "$PROBE" "$@" </dev/null 2>>"${PROBE_LOG:-/dev/null}"; }

# Waits for a file dialog or one of ours (by a control it holds: #ID).
wait_dialog() { probe dialog "$1" || fail "no dialog $1"; sleep 0.3; }
wait_gone() { probe gone "$1" || fail "dialog $1 stayed open"; sleep 0.2; }

# Clicks the middle of control ID (below the main window, or below dialog $2).
click() {
    local where
    where=$(probe where "$@") || { fail "no control $*"; return 1; }
    # shellcheck disable=SC2086
    xdotool mousemove $where click 1
    sleep 0.3
}

key() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 15 -- "$1"; sleep 0.2; }

shot() { import -window root "$SHOTS/$1.png" 2>/dev/null || fail "no screenshot $1"; }

# Waits until control ID's text contains $2 (up to $3 seconds, default 20).
wait_text() {
    local id=$1 want=$2 limit=${3:-20} t=0
    while [ "$t" -lt $((limit * 5)) ]; do
        probe text "$id" | grep -q -F -- "$want" && return 0
        sleep 0.2
        t=$((t + 1))
    done
    fail "control $id never showed '$want' (it shows: $(probe text "$id" | head -c 300))"
    return 1
}

# Waits until file $1 exists and contains $2.
wait_file() {
    local t=0
    while [ "$t" -lt 100 ]; do
        [ -f "$1" ] && grep -q -F -- "$2" "$1" && return 0
        sleep 0.1
        t=$((t + 1))
    done
    fail "$1 never held '$2'"
    return 1
}

# Selects the whole text of the focused edit box, single-line or multi-line.
select_field() { key ctrl+End ctrl+shift+Home; }

# Expects control $1 (below dialog $3, if given) to read exactly $2 within a few seconds.
expect_text() {
    local got t=0
    while [ "$t" -lt 25 ]; do
        got=$(probe text "$1" ${3:+"$3"})
        [ "$got" = "$2" ] && return 0
        sleep 0.2
        t=$((t + 1))
    done
    fail "control $1 reads '$got', not '$2'"
}

# Starts a copy of an executable in folder $2, as a user who keeps the program
# beside the C file would, and waits for its window.
start_app() {
    local exe=$2/$(basename "$1") dir=$2
    cp "$1" "$exe"
    EDITWINDOW_EXE=$(winpath "$exe")
    export EDITWINDOW_EXE
    (cd "$dir" && exec wine "$exe" >>"${APP_LOG:-/dev/null}" 2>&1 </dev/null) &
    APP_PID=$!
    probe wait || { fail "the main window did not appear"; return 1; }
    sleep 0.5
}

stop_app() {
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    sleep 0.5
}

# A Windows path for a Unix one.
winpath() { winepath -w "$1" 2>/dev/null; }

# Starts a session: a fresh start-up folder ($work), removed at the end, and the
# compiler bridge in folder $1 first on the Windows path.
begin_session() {
    mkdir -p "$SHOTS"
    work=$(mktemp -d)
    trap 'stop_app; rm -rf "$work"' EXIT
    WINEPATH="$(winpath "$1")"
    export WINEPATH
}

finish() {
    if [ "$E2E_FAILS" -eq 0 ]; then echo "end to end: as expected"; exit 0; fi
    echo "end to end: $E2E_FAILS failures"
    exit 1
}
