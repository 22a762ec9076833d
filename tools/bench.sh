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
