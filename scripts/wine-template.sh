#!/usr/bin/env bash
# Prepares, once, the Wine prefix that every run copies: booted, without a
# window manager (Managed=N, so destroying a window does not wait for one),
# and without the crash dialog that would hold a crashed process.
# Usage: wine-template.sh DIR
set -euo pipefail
dir=$1
mkdir -p "$(dirname "$dir")"
exec 9>"$dir.lock"
flock 9
[ -f "$dir/.ready" ] && exit 0

rm -rf "$dir"
mkdir -p "$dir"
export WINEPREFIX=$dir WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset DISPLAY
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
reg=/usr/lib/wine/wine64
$reg reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
$reg reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
touch "$dir/.ready"
