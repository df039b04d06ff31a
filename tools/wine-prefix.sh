#!/bin/sh
# Makes the build's own Wine prefix once: initialised, crash dialogs off, settled. Then, on
# every call, the windows of the virtual display are left unmanaged: without a window manager
# Wine otherwise waits up to 2 s for each hidden window, which is every page switch. The
# prefix's DPI is ZAT_DPI (96 without it), set on every call so that none stays for the next.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the build's own Wine prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.zat-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init
  wineserver -w
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  # Without a window manager (Xvfb) Wine draws the title bars itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
  wineserver -w
  touch "$WINEPREFIX/.zat-ready"
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
# The pages are laid out for Times New Roman; Liberation Serif has the same metrics.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
  /d 'Liberation Serif' /f >/dev/null
# Title bar buttons are letters of the Marlett symbol font, which Debian's Wine ships
# (fonts-wine) where Wine itself does not look: without it they show as "0 1 r".
marlett=/usr/share/wine/fonts/marlett.ttf
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts" && cp "$marlett" "$fonts/"
fi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${ZAT_DPI:-96}" \
  /f >/dev/null
wineserver -w
