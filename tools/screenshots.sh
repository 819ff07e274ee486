#!/usr/bin/env bash
# Writes PNG pictures of the main window for every dialog kind, of the code editor, of the About window and of the
# presets' system menu and name dialog into build/screenshots, taken from a virtual display.
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
QM_SHOTS_DIR="Z:$(echo "$out" | tr / '\\')" "$WINE64" build/win64/e2e_tests.exe \
  --gtest_also_run_disabled_tests --gtest_filter='*Screenshot*' </dev/null | tail -3
for f in "$out"/*.bmp; do
  [ -e "$f" ] || continue
  convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
ls "$out"
