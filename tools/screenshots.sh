#!/usr/bin/env bash
# Writes PNG pictures of the main window for every dialog kind, of the code editor, of the About window and of the
# presets' system menu and name dialog into build/screenshots/<DPI>, taken from a virtual display, once for each of the
# display scalings 96, 120, 144 and 192 DPI (100, 125, 150 and 200 %). `tools/screenshots.sh 144` takes one scaling.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/prerequisites.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" >/dev/null
out="$(pwd)/build/screenshots"
rm -rf "$out"; mkdir -p "$out"
source tools/wine_session.sh
prefix=$(mktemp -d /tmp/quillmark-shots-prefix.XXXXXX)
trap 'qm_session_stop; rm -rf "$prefix"' EXIT
QM_FORCE_XVFB=1 qm_session_start "$prefix"
for dpi in ${@:-96 120 144 192}; do
  # Windows programs read the scaling from here when they start.
  "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
  mkdir -p "$out/$dpi"
  echo "== $dpi DPI"
  QM_SHOTS_DIR="Z:$(echo "$out/$dpi" | tr / '\\')" "$WINE64" build/win64/e2e_tests.exe \
    --gtest_also_run_disabled_tests --gtest_filter='*Screenshot*' </dev/null | tail -3
  for f in "$out/$dpi"/*.bmp; do
    [ -e "$f" ] || continue
    convert "$f" "${f%.bmp}.png" && rm -f "$f"
  done
  ls "$out/$dpi"
done
