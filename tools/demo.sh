#!/usr/bin/env bash
# demo.sh: the suite at work. Builds the win64 programs and runs them under Wine:
# the presentation library's view of a few printer situations and a sheet of its artwork.
# Pictures land in out/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"
out=$PWD/out/demo
mkdir -p "$out"
export ZRT_WINEPREFIX=${ZRT_WINEPREFIX:-$PWD/build/demo-wineprefix}
tools/wine-prefix.sh ensure
echo "=== The presentation library (ZRT7QPMU.DLL) and what it shows"
(cd build/win64/bin && ../../../tools/wine-run.sh ZRT7QPMUDEMO.EXE "Z:${out//\//\\}\\artwork.bmp")
convert "$out/artwork.bmp" "$out/artwork.png" && rm -f "$out/artwork.bmp"
echo "=== Pictures: $out/artwork.png"
