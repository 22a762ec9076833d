#!/usr/bin/env bash
# bench.sh: the suite's benchmarks, each printing its figures: the display mapping on the host
# (Google Benchmark) and PSM_GetPSWDisplay through the real library under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
jobs=$(nproc)
cmake --preset native >/dev/null && cmake --build --preset native -j "$jobs" --target bench_presentation_mapping
cmake --preset win64 >/dev/null && cmake --build --preset win64 -j "$jobs" --target bench_presentation_dll
echo "=== display mapping, native core"
build/native/bin/bench_presentation_mapping
echo "=== PSM_GetPSWDisplay through ZRT7QPMU.DLL under Wine"
(cd build/win64/bin && ../../../tools/wine-run.sh bench_presentation_dll.exe)

echo "=== status window: CPU time per status delivery through the core, native (no painting)"
cmake --build --preset native -j "$jobs" --target bench_statuswindow_core
build/native/bin/bench_statuswindow_core
echo "=== status window ZRT7QSWK.EXE under Wine (private Xvfb unless DISPLAY is set): CPU time per"
echo "    delivery to the hidden window, per full repaint, CPU use of the paper animation, memory"
cmake --build --preset win64 -j "$jobs" --target bench_statuswindow_wine
# A Wine session started without a display (the runs above) would take in the window and draw
# nothing: let it end first.
(. tools/wine-env.sh && "$ZRT_WINESERVER" -w)
(cd build/win64/bin && ZRT_WINE_DISPLAY=1 ../../../tools/wine-run.sh bench_statuswindow_wine.exe 2> >(grep -v '^ALSA lib' >&2 || true))
