#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X server of its own: starts Xvfb on a free
# display, runs the command, stops Xvfb and returns the command's exit status.
# ZAT_XVFB_SCREEN sets the screen (default 1024x768x24).
set -uo pipefail
[ $# -gt 0 ] || {
    echo "usage: $0 command [arguments...]" >&2
    exit 2
}

displayFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${ZAT_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
    3>"$displayFile" >/dev/null 2>&1 &
xvfb=$!

stopXvfb() {
    kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -f "$displayFile"
}
trap stopXvfb EXIT
trap 'exit 130' INT TERM

# Xvfb writes the display number it found once it accepts connections.
for _ in $(seq 100); do
    [ -s "$displayFile" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
display=$(head -n 1 "$displayFile")
if [ -z "$display" ]; then
    echo "$0: Xvfb did not start" >&2
    exit 1
fi

DISPLAY=":$display" "$@"
