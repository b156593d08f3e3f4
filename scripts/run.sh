#!/usr/bin/env bash
# Builds the editor and starts it under Wine: scripts/run.sh [language], Polish by default.
set -euo pipefail
source "$(dirname "$0")/common.sh"

lang=${1:-pl}
case " zh hi ja ko es tr de ru it no pl " in
    *" $lang "*) ;;
    *) echo "unknown language '$lang'; one of: zh hi ja ko es tr de ru it no pl" >&2; exit 2 ;;
esac

install_missing_packages
build_all "EditWindow_$lang"
prepare_wine_prefix
cd "$BUILD_DIR"
exec wine "$BUILD_DIR/EditWindow_$lang.exe"
