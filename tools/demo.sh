#!/usr/bin/env bash
# demo.sh: the suite at work. Builds the win64 programs and runs them under Wine:
# the presentation library's view of a few printer situations and a sheet of its artwork, then
# a live status window for a family printer playing a print job with a paper jam (on $DISPLAY
# when set, else on a private Xvfb). Pictures land in out/demo/.
# ZRT_BUILD_DIR names a win64 build that already holds the programs (then nothing is built).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
if [ -z "${ZRT_BUILD_DIR:-}" ]; then
  tools/setup.sh
  cmake --preset win64 >/dev/null
  # The programs the demo runs, and the libraries they load.
  cmake --build --preset win64 -j "$(nproc)" --target zrt_presentation_dll zrt_presentation_demo \
    zrt_statuswindow_exe ZRT7QSMK zrt_install_printer zrt_statuswindow_shots ZRT7QUN
  ZRT_BUILD_DIR=$repo/build/win64
fi
bin=$ZRT_BUILD_DIR/bin
out=${ZRT_DEMO_OUT:-$PWD/out/demo}
mkdir -p "$out"
export ZRT_WINEPREFIX=${ZRT_WINEPREFIX:-$PWD/build/demo-wineprefix}
tools/wine-prefix.sh ensure
echo "=== The presentation library (ZRT7QPMU.DLL) and what it shows"
(cd "$bin" && "$repo/tools/wine-run.sh" ZRT7QPMUDEMO.EXE "Z:${out//\//\\}\\artwork.bmp")
convert "$out/artwork.bmp" "$out/artwork.png" && rm -f "$out/artwork.bmp"
echo "=== Pictures: $out/artwork.png"

echo "=== The status window (ZRT7QSWK.EXE) watching a family printer"
# A printer of the family in the demo prefix; the status-monitor stand-in (ZRT7QSMK.DLL) plays
# testbed/scenarios/demo.scn to the window it opens: a four-page job, a paper jam inside the
# printer, the cover opened and closed, the job finished. The window is started through the
# stand-in's SmPsw_InvokePSW like the status-monitor library starts it for a print job
# (launch mode 0), so it closes itself 5 seconds after the job ended.
printer="ZRT7Q Demo KX"
calls=$out/status_monitor_calls.log
rm -f "$calls" "$out"/statuswindow_*.bmp
quiet_sound() { grep -v '^ALSA lib' >&2 || true; }
(cd "$bin" && "$repo/tools/wine-run.sh" ZRT7QINSTPRN.EXE install "$printer" 2> >(quiet_sound))
# On the private Xvfb no window manager draws frames and caption bars: Wine draws them itself.
if [ -z "${DISPLAY:-}" ]; then
  (. tools/wine-env.sh && "$ZRT_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1)
fi
# Programs started while a Wine session without a display is still running would join it and
# draw nothing: let that session end before the window is started on the display.
(. tools/wine-env.sh && "$ZRT_WINESERVER" -w)
(cd "$bin" && ZRT_WINE_DISPLAY=1 "$repo/tools/wine-run.sh" ZRT7QSWKSHOTS.EXE live "Z:${out//\//\\}" "$printer" \
  "Z:${repo//\//\\}\\testbed\\scenarios\\demo.scn" "Z:${calls//\//\\}" \
  3000=statuswindow_printing 8000=statuswindow_jam 11500=statuswindow_cover_open \
  20000=statuswindow_finished 2> >(quiet_sound))
for bmp in "$out"/statuswindow_*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "=== Pictures: $(ls "$out"/statuswindow_*.png | tr '\n' ' ')"
echo "=== Calls of the status window to the status-monitor library (stand-in's call log)"
cat "$calls"


echo "=== Silent uninstall (ZRT7QUN.EXE /S /A) with its log"
ZRT_BUILD_DIR=$ZRT_BUILD_DIR tools/demo-uninstall.sh
