#!/usr/bin/env bash
# Runs a Windows program under Wine as on Chinese Windows (ANSI code page 936), in the Wine
# prefix beside this script, which is made on first use.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$(dirname "$WINEPREFIX")/.wineprefix.lock" sh -c \
    '[ -f "$WINEPREFIX/system.reg" ] || "$1" wineboot --init >/dev/null 2>&1' sh "$wine" || {
    echo "wine-run: could not create the Wine prefix $WINEPREFIX (Wine wants its folder to be yours)" >&2
    exit 1
  }
fi
exec "$wine" "$@"
