#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts it: under Wine on Linux, on a virtual display when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/prerequisites.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target quillmark
source tools/wine_session.sh
trap qm_session_stop EXIT
qm_session_start "${QUILLMARK_WINEPREFIX:-$HOME/.quillmark-wine}"
echo "Starting Quillmark (close its window to end)." >&2
"$WINE64" build/win64/quillmark.exe
