#!/usr/bin/env bash
# Builds the program if needed and starts it under Wine (code page 936), with a small demo
# After Effects install to switch: "C:\Program Files\Adobe\Adobe After Effects 2024\Support
# Files" with AMT\application.xml set to zh_CN, and its shortcut on the Wine Desktop. With no
# display it shows what the program does: under Xvfb it drops the shortcut on the window,
# clicks 中文转英文, prints both lines and the changed configuration line, and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$PWD/build/windows

if [ -z "${AELANG_SCRIPTED_DEMO:-}" ]; then
  tools/setup.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j"$(nproc)" --target AeLangSwitch AeLangSwitchDemo >/dev/null
  if [ -z "${DISPLAY:-}" ]; then
    echo "No display: showing the program under Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env AELANG_SCRIPTED_DEMO=1 "$0"
  fi
fi

# The demo's own Wine prefix, per user: Wine wants a prefix's folder to belong to its user.
export WINEPREFIX=${XDG_DATA_HOME:-$HOME/.local/share}/aelangswitch/wineprefix
wine() { "$build/wine-run.sh" "$@"; }
wine_path() { wine winepath "$@" 2>/dev/null | tr -d '\r'; }

shortcut=$(wine "$build/app/AeLangSwitchDemo.exe" install | sed -n 's/^shortcut: //p' | tr -d '\r')
echo "Demo shortcut to drag onto the window: $shortcut"
echo "  (on this machine: $(wine_path -u "$shortcut"))"

if [ -z "${AELANG_SCRIPTED_DEMO:-}" ]; then
  echo "Starting AeLangSwitch.exe; close its window to end."
  exec "$build/wine-run.sh" "$build/app/AeLangSwitch.exe"
fi

screenshot=$build/demo-screenshot
wine "$build/app/AeLangSwitchDemo.exe" show "$(wine_path -w "$screenshot.bmp")" 2>/dev/null
# Wine ends before its display does, quietly.
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k
convert "$screenshot.bmp" "$screenshot.png"
echo "Screenshot: $screenshot.png"
