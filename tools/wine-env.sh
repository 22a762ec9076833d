# Sourced by the Wine scripts: the environment every Wine run of the suite uses.
# A 64-bit prefix, Japanese locale (ANSI code page 932), quiet Wine, no desktop integration.
export WINEARCH=win64
export WINEPREFIX="${ZRT_WINEPREFIX:-${HOME}/.cache/zrt7q/wineprefix}"
# LC_ALL is set on the Wine command itself (bash would warn when the host lacks the locale).
ZRT_WINE_LOCALE=ja_JP.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
ZRT_WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
ZRT_WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$ZRT_WINESERVER" ] || ZRT_WINESERVER=/usr/lib/wine/wineserver
# Version of the prefix settings that tools/wine-prefix.sh applies (marker $WINEPREFIX/.zrt-ready).
ZRT_PREFIX_VERSION=5
