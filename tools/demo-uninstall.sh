#!/usr/bin/env bash
# demo-uninstall.sh: a silent uninstall in the demo's Wine prefix. The uninstaller and its
# configuration (testbed/uninstaller/ZRT7QUN.INI) are put in C:\ZRT7Q; it runs with
# "/S /A /L C:\ZRT7Q\UNINST.LOG"; its exit code and its log (code page 932) are printed.
# Expects the win64 build (ZRT_BUILD_DIR, default build/win64) and ZRT_WINEPREFIX from tools/demo.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/wine-env.sh
folder="$WINEPREFIX/drive_c/ZRT7Q"
mkdir -p "$folder"
cp "${ZRT_BUILD_DIR:-build/win64}/bin/ZRT7QUN.EXE" "$folder/ZRT7QUN.EXE"
cp testbed/uninstaller/ZRT7QUN.INI "$folder/ZRT7QUN.INI"
rm -f "$folder/UNINST.LOG"
set +e
tools/wine-run.sh 'C:\ZRT7Q\ZRT7QUN.EXE' /S /A /L 'C:\ZRT7Q\UNINST.LOG'
code=$?
set -e
echo "=== ZRT7QUN.EXE /S /A exit code: $code"
echo "=== log C:\\ZRT7Q\\UNINST.LOG:"
iconv -f CP932 -t UTF-8 "$folder/UNINST.LOG" | tr -d '\r'
