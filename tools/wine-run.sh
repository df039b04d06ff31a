#!/bin/sh
# Runs a Windows program under Wine, only ever in the prefix the caller names (the build's
# own), never the user's.
: "${WINEPREFIX:?WINEPREFIX must name the build's own Wine prefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
exec timeout -k 10 "${ZAT_WINE_TIMEOUT:-600}" wine "$@"
