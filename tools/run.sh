#!/usr/bin/env bash
# Builds the launcher and starts it under Wine, pointed at the demo game (the stand-in zat.exe
# in build/windows/demo-game). With a screen (DISPLAY set) it simply starts zatstart.exe.
# Without one it runs a scripted tour on a virtual display: every page is walked, a
# screenshot of each lands in build/tour/, Run is pressed, and what the stand-in game received
# is printed.
#
# ZAT_DPI=144 tools/run.sh runs it at another DPI (120 is 125 %, 144 is 150 %, 192 is 200 %);
# without it, at 96 DPI (100 %).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# Wine's known harmless lines are left out of what this prints: a fresh prefix has no
# rundll32.exe for Wine's first start yet, and Wine cannot read the raw device of a drive.
if [ -z "${ZAT_RUN_FILTERED:-}" ]; then
    export ZAT_RUN_FILTERED=1
    harmless='failed to open .*rundll32\.exe.*c0000135|Read access denied for device'
    status=0
    { "$root/tools/run.sh" "$@" 2>&1 1>&3 3>&- |
        { grep -Ev --line-buffered "$harmless" || true; } >&2; } 3>&1 || status=$?
    exit "$status"
fi
build="$root/build/windows"
shots="$root/build/tour"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# On the virtual display: run the tour driver and take each screenshot it asks for with a
# line "shot <name>"; it waits until the picture exists.
if [ "${1:-}" = "--tour-on-this-display" ]; then
    status=0
    while IFS= read -r line; do
        line=${line%$'\r'}
        case $line in
        "shot "*)
            name=${line#shot }
            import -display "$DISPLAY" -window root "$shots/.taking.png" &&
                mv "$shots/.taking.png" "$shots/$name.png"
            echo "  screenshot $name.png"
            ;;
        "tour status "*)
            # The launcher may still hold the pipe open; the tour itself has ended.
            status=${line#tour status }
            break
            ;;
        *) echo "$line" ;;
        esac
    done < <(
        ZAT_WINE_TIMEOUT=300 tools/wine-run.sh "$build/tools/tour.exe" "$shots"
        echo "tour status $?"
    )
    timeout 30 wineserver -w || wineserver -k
    exit "$status"
fi

dpi=${ZAT_DPI:-96}
if ! [[ $dpi =~ ^[0-9]+$ ]] || ((dpi < 96 || dpi > 480)); then
    echo "ZAT_DPI must be a DPI from 96 to 480, such as 144" >&2
    exit 2
fi

tools/install-deps.sh
cmake --preset windows
# Only what is shown: the launcher, the stand-in game and, without a display, the tour.
if [ -n "${DISPLAY:-}" ]; then
    cmake --build --preset windows --target zatstart standin_game
else
    cmake --build --preset windows --target zat_tour
fi
tools/wine-prefix.sh

# Wine draws the title bars itself, so they show without a window manager too.
for program in zatstart.exe zat.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
        /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
done

# The INI file that the launcher reads from the Windows directory: "0", then the game
# directory with its trailing backslash.
gameDirectory="$(winepath -w "$build/demo-game")\\"
printf '0\r\n%s' "$gameDirectory" >"$WINEPREFIX/drive_c/windows/ZatStart.ini"
echo "Game directory: $gameDirectory"

if [ -n "${DISPLAY:-}" ]; then
    # On the player's own desktop the window manager manages Wine's windows as usual.
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
    status=0
    ZAT_WINE_TIMEOUT=86400 tools/wine-run.sh "$build/zatstart.exe" || status=$?
    wineserver -w
    exit "$status"
fi

rm -rf "$shots"
mkdir -p "$shots"
echo "No display: touring the pages on a virtual one; screenshots go to build/tour/"
# A Wine server left running serves another display (or none).
timeout 60 wineserver -w || wineserver -k
status=0
# The virtual screen grows with the DPI as a real one's resolution would.
ZAT_XVFB_SCREEN=${ZAT_XVFB_SCREEN:-$((1024 * dpi / 96))x$((768 * dpi / 96))x24} \
    tools/with-xvfb.sh "$0" --tour-on-this-display || status=$?
echo "Screenshots: $(find "$shots" -name '*.png' | wc -l) in build/tour/"
exit "$status"
