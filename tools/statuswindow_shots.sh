#!/usr/bin/env bash
# statuswindow_shots.sh: pictures of the real status window (ZRT7QSWK.EXE fed by the
# status-monitor stand-in) in named states: printing (page 3 of 5, paper animation), paper out
# (cassette 1), jam inside, cover open, service error, status being acquired; the job pane and
# the preferences dialog; and a sheet of the dialog and control fonts. PNGs land in out/statuswindow_shots/ (or $ZRT_SHOTS_OUT).
# Runs on $DISPLAY when set, else on a private Xvfb. ZRT_BUILD_DIR names a win64 build that
# already holds the programs (default: build and use build/win64).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
out=${ZRT_SHOTS_OUT:-$repo/out/statuswindow_shots}
printer="ZRT7Q Shots KX"
if [ -z "${ZRT_BUILD_DIR:-}" ]; then
  tools/setup.sh
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 -j 2 --target zrt_statuswindow_shots
  ZRT_BUILD_DIR=$repo/build/win64
fi
export ZRT_WINEPREFIX=${ZRT_WINEPREFIX:-$repo/build/shots-wineprefix}
tools/wine-prefix.sh ensure
# Under Xvfb no window manager draws frames and caption bars: Wine draws them itself then.
. tools/wine-env.sh
if [ -z "${DISPLAY:-}" ]; then
  env -u DISPLAY "$ZRT_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
else
  "$ZRT_WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v Decorated /f >/dev/null 2>&1 || true
fi
mkdir -p "$out"
rm -f "$out"/*.bmp
winout="Z:${out//\//\\}"
quiet_sound() { grep -v '^ALSA lib' >&2 || true; }
cd "$ZRT_BUILD_DIR/bin"
"$repo/tools/wine-run.sh" ZRT7QINSTPRN.EXE install "$printer" 2> >(quiet_sound)
# Programs started while a Wine session without a display is still running would join it and
# draw nothing: let that session end before the window is started on the display.
"$ZRT_WINESERVER" -w
status=0
ZRT_WINE_DISPLAY=1 "$repo/tools/wine-run.sh" ZRT7QSWKSHOTS.EXE states "$winout" "$printer" 2> >(quiet_sound) || status=$?
ZRT_WINE_DISPLAY=1 "$repo/tools/wine-run.sh" ZRT7QSWKSHOTS.EXE fonts "$winout" 2> >(quiet_sound) || status=$?
for bmp in "$out"/*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "=== Pictures of the status window: $out"
ls "$out"/*.png
exit "$status"
