#!/usr/bin/env bash
# Runs one Windows program under wine64 in a throwaway prefix copied from the
# prepared template, on a private Xvfb display when none is given, and exits
# with the program's exit code. Usage: wine-run.sh PROGRAM.exe [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=${MORVANE_WINE_ROOT:-$here/../build/wine}
"$here/wine-template.sh" "$root/template" || exit 1

prefix=$(mktemp -d "$root/run.XXXXXX")
# The registry files are rewritten by Wine, so they are copied for real; the
# rest is hard-linked, which makes a fresh prefix in milliseconds.
cp -al "$root/template/drive_c" "$prefix/drive_c"
cp -a "$root/template/dosdevices" "$prefix/"
cp "$root/template"/*.reg "$root/template/.update-timestamp" "$prefix/" 2>/dev/null

xvfb_pid=
cleanup() {
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$prefix"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$prefix/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$prefix/display" ] && break
    sleep 0.05
  done
  export DISPLAY=:$(head -n1 "$prefix/display")
fi

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
/usr/lib/wine/wine64 "$@"
status=$?
exit $status
