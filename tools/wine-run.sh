#!/usr/bin/env bash
# wine-run.sh PROGRAM [ARGS...]: run a win64 program of the suite under wine64 in the test
# prefix. Without ZRT_WINE_DISPLAY the program gets no X display (windows, messages and timers
# still work, nothing is drawn); with it, the program runs on $DISPLAY or on a private Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
[ "$(cat "$WINEPREFIX/.zrt-ready" 2>/dev/null)" = "$ZRT_PREFIX_VERSION" ] || "$here/wine-prefix.sh" ensure >/dev/null
if [ -n "${ZRT_WINE_DISPLAY:-}" ]; then
  # A program joins the running Wine session of its prefix, with that session's display: let a
  # session without a display end first, or nothing would be drawn.
  "$ZRT_WINESERVER" -w
  if [ -n "${DISPLAY:-}" ]; then
    exec env LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" "$@"
  fi
  exec xvfb-run -a -s "-screen 0 1024x768x24" env LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" "$@"
fi
exec env -u DISPLAY LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" "$@"
