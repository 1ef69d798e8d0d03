#!/bin/sh
# Runs a Windows program under Wine, quietly, in the given prefix (a Windows build keeps its own
# inside its build folder). The prefix is made once, under a lock, by the first program that
# needs it.   wine-run.sh PREFIX PROGRAM [ARGUMENT...]
set -eu
WINEPREFIX=$1
program=$2
shift 2
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.z2k-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.z2k-ready" ]; then
      wineboot -i >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.z2k-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$program" "$@"
