# Shared by scripts/run.sh and scripts/test.sh: installs what is missing, builds,
# and prepares the private Wine prefix inside the build folder.

REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${EDITWINDOW_BUILD_DIR:-$REPO_DIR/build}

PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  wine wine64 xvfb xauth xdotool imagemagick
  fonts-wine fonts-liberation fonts-noto-cjk fonts-noto-core"

log() { printf '== %s\n' "$*"; }

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    log "installing:$missing"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

build_all() {
    cmake -S "$REPO_DIR" -B "$BUILD_DIR" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$BUILD_DIR" -j "$(nproc)" "$@"
}

# Wine's settings for this project: a prefix of our own, no crash dialog, no
# debugger (so a crash ends the program with an error), nothing loaded from ~/.wine.
export_wine_environment() {
    export WINEPREFIX="$BUILD_DIR/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
}

# Creates a prefix (the default one, or the folder given) on first use.
prepare_wine_prefix() {
    export_wine_environment
    local prefix=${1:-$WINEPREFIX}
    local stamp="$prefix/.editwindow-ready"
    [ -f "$stamp" ] && return 0
    log "creating the Wine prefix $prefix"
    rm -rf "$prefix"
    mkdir -p "$BUILD_DIR"
    WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
    mkdir -p "$prefix/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    WINEPREFIX=$prefix wine regedit /S "$(winepath -w "$REPO_DIR/scripts/wine-prefix.reg" 2>/dev/null)" >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
    touch "$stamp"
}

# Runs the calling script again inside a virtual display (once).
rerun_in_xvfb() {
    [ -n "${EDITWINDOW_IN_XVFB:-}" ] && return 0
    install_missing_packages
    export EDITWINDOW_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
}
