#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual X display of its own, in the Wine prefix
# named by WINEPREFIX (the build's own), with a hard time limit, and lets Wine settle before
# the display goes away. ZAT_E2E_TIMEOUT is the limit in seconds (default 240).
set -uo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the build}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "${1:-}" = "--on-this-display" ]; then
    shift
    ZAT_WINE_TIMEOUT="${ZAT_E2E_TIMEOUT:-240}" "$root/tools/wine-run.sh" "$@"
    status=$?
    timeout 30 wineserver -w || {
        wineserver -k
        sleep 1
    }
    exit "$status"
fi

# A Wine server still running from an earlier test serves another display (or none).
timeout 60 wineserver -w || wineserver -k
exec "$root/tools/with-xvfb.sh" "$0" --on-this-display "$@"
