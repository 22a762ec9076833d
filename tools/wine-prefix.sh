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
# The settings below carry a version number (ZRT_PREFIX_VERSION) in the marker file; a prefix
# set up by an older version of this script gets them again.
if [ "$(cat "$WINEPREFIX/.zrt-ready" 2>/dev/null)" != "$ZRT_PREFIX_VERSION" ]; then
  # Without an X display Wine's X11 driver cannot create top-level windows; the null driver
  # behind it lets windows, messages and timers work headless (nothing is drawn).
  env -u DISPLAY LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" reg add 'HKCU\Software\Wine\Drivers' \
    /v Graphics /d x11,null /f >/dev/null 2>&1
  # Japanese text in the dialog and control fonts: the faces that dialogs, menus and controls
  # ask for (and the default GUI font, which Wine builds on "MS Shell Dlg"/"Tahoma") go to the
  # IPA Gothic fonts, which have the Japanese glyphs. Otherwise, whenever Wine runs without the
  # host knowing the Japanese locale, they fall back to a Latin font and draw empty boxes.
  # Written as a UTF-16 .reg file: the Japanese face names survive no command line.
  fonts_reg="$WINEPREFIX/drive_c/zrt-fonts.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    for face in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic" "Tahoma" "MS Sans Serif" \
                "ＭＳ Ｐゴシック" "MS PGothic"; do
      printf '"%s"="IPAPGothic"\r\n' "$face"
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
      printf '"%s"="IPAGothic"\r\n' "$face"
    done
    # Wine rewrites the "MS Shell Dlg" substitute for the code page at each start (to "Tahoma"
    # or "MS UI Gothic") and links the Japanese glyphs of Tahoma and the other UI fonts to
    # "MS UI Gothic": the replacements make these names (Tahoma is not installed in a prefix)
    # and the Japanese faces real.
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in "MS UI Gothic" "Tahoma" "ＭＳ Ｐゴシック" "MS PGothic"; do
      printf '"%s"="IPAPGothic"\r\n' "$face"
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
      printf '"%s"="IPAGothic"\r\n' "$face"
    done
  } | iconv -f UTF-8 -t UTF-16 > "$fonts_reg"
  env -u DISPLAY LC_ALL=$ZRT_WINE_LOCALE "$ZRT_WINE" regedit /S 'C:\zrt-fonts.reg' >/dev/null 2>&1
  rm -f "$fonts_reg"
  # Caption buttons, check marks and menu arrows are glyphs of Wine's "Marlett" font; when Wine
  # does not find its own font folder they show as "0 1 r". A copy in the prefix's Fonts folder
  # is always found.
  for marlett in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
    if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
      cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    fi
  done
  "$ZRT_WINESERVER" -w
  echo "$ZRT_PREFIX_VERSION" > "$WINEPREFIX/.zrt-ready"
fi
echo "wine prefix ready: $WINEPREFIX"
