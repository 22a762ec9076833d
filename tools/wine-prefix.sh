#!/usr/bin/env bash
# wine-prefix.sh fresh|ensure: make the throwaway Wine prefix of a test run.
#   fresh  - delete any old prefix and boot a new one (once per ctest run)
#   ensure - boot one only when none exists yet
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
mode=${1:-ensure}
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ "$mode" = fresh ] && [ -d "$WINEPREFIX" ]; then
  "$ZRT_WINESERVER" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  env -u DISPLAY LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" wineboot -i >/dev/null 2>&1
fi
if [ ! -f "$WINEPREFIX/.zrt-ready" ]; then
  # Without an X display Wine's X11 driver cannot create top-level windows; the null driver
  # behind it lets windows, messages and timers work headless (nothing is drawn).
  env -u DISPLAY LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" reg add 'HKCU\Software\Wine\Drivers' \
    /v Graphics /d x11,null /f >/dev/null 2>&1
  "$ZRT_WINESERVER" -w
  touch "$WINEPREFIX/.zrt-ready"
fi
echo "wine prefix ready: $WINEPREFIX"
