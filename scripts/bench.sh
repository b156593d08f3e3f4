#!/usr/bin/env bash
# Builds everything and runs the benchmarks under Wine on a virtual display; each
# prints its figures as ratios to a floor measured in the same run.
set -euo pipefail
source "$(dirname "$0")/common.sh"

rerun_in_xvfb "$@"

build_all
prepare_wine_prefix
wineserver -p >/dev/null 2>&1 </dev/null || true
cd "$BUILD_DIR"
for b in bench/*.exe; do
    case " $* " in "  "|*" $(basename "$b" .exe) "*) ;; *) continue ;; esac
    log "$(basename "$b" .exe)"
    wine "$b" </dev/null
done
for b in bench/*.sh; do
    [ -f "$b" ] || continue
    case " $* " in "  "|*" $(basename "$b" .sh) "*) ;; *) continue ;; esac
    log "$(basename "$b" .sh)"
    bash "$b" "$BUILD_DIR"
done
wineserver -k >/dev/null 2>&1 || true
