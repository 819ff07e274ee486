#!/usr/bin/env bash
# Builds the release: for the 32-bit product (win32) and the 64-bit build (win64) a portable zip and an installer, in
# build/release/:
#   quillmark-<version>-win32.zip        quillmark-<version>-win32-setup.exe
#   quillmark-<version>-win64.zip        quillmark-<version>-win64-setup.exe
# and SHA256SUMS over them. The version is the one in resources/version.h (read through cmake/version.cmake).
#
#   bash tools/release.sh                 both builds
#   bash tools/release.sh win64           only the ones named
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

arches=("$@")
[ ${#arches[@]} -eq 0 ] && arches=(win32 win64)
for arch in "${arches[@]}"; do
  case "$arch" in
    win32 | win64) ;;
    *) echo "Unknown build '$arch': name win32 and/or win64." >&2; exit 2 ;;
  esac
done

bash tools/prerequisites.sh

version_info=$(cmake -P cmake/version.cmake)
version=$(sed -n 's/^QM_VERSION=//p' <<<"$version_info")
version_full=$(sed -n 's/^QM_VERSION_FULL=//p' <<<"$version_info")
if [ -z "$version" ] || [ -z "$version_full" ]; then
  echo "Could not read the version from resources/version.h." >&2
  exit 1
fi

out="$root/build/release"
logs="$out/logs"
mkdir -p "$out" "$logs"
echo "Quillmark $version: building ${arches[*]} into build/release/"

# Every file of a package carries the time of the last commit, so that the same sources make the same zip.
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)

# The four numbers of the program's VERSIONINFO resource ("1.0.0.0"), or nothing when it has none.
resource_version() {
  python3 - "$1" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
key = data.find("VS_VERSION_INFO".encode("utf-16-le"))
sig = data.find(b"\xbd\x04\xef\xfe", key) if key >= 0 else -1
if sig >= 0:
    ms, ls = struct.unpack_from("<II", data, sig + 8)
    print(f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
EOF
}

# Text for Windows: every line ended by CR LF.
crlf() { sed -e 's/\r$//' -e 's/$/\r/' "$1" >"$2"; }

for arch in "${arches[@]}"; do
  echo "== $arch"
  log="$logs/build-$arch.log"
  if ! { cmake --preset "$arch" && cmake --build --preset "$arch" -j"$(nproc)" --target quillmark; } >"$log" 2>&1; then
    echo "The $arch build failed (log: build/release/logs/build-$arch.log):" >&2
    grep -E 'error|Error' "$log" | head -30 >&2
    exit 1
  fi
  exe="build/$arch/quillmark.exe"

  found=$(resource_version "$exe")
  if [ "$found" != "$version_full" ]; then
    echo "$exe has version resource '${found:-none}', but resources/version.h says $version_full." >&2
    exit 1
  fi

  stage="$out/stage-$arch"
  rm -rf "$stage"
  mkdir -p "$stage"
  cp "$exe" "$stage/quillmark.exe"
  cp "build/$arch/Quillmark.html" "$stage/Quillmark.html"
  files=(quillmark.exe Quillmark.html)
  if [ -f pascal/ShellExt.pas ]; then
    crlf pascal/ShellExt.pas "$stage/ShellExt.pas"
    files+=(ShellExt.pas)
  else
    echo "   note: pascal/ShellExt.pas is not in the source tree yet; the packages go without it"
  fi
  crlf README.md "$stage/README.txt"
  crlf LICENSE "$stage/LICENSE.txt"
  files+=(README.txt LICENSE.txt)
  touch -d "@$stamp" "$stage"/*

  zip_name="quillmark-$version-$arch.zip"
  rm -f "$out/$zip_name"
  (cd "$stage" && TZ=UTC zip -X -q -9 "$out/$zip_name" "${files[@]}")
  echo "   $zip_name"

  setup_name="quillmark-$version-$arch-setup.exe"
  rm -f "$out/$setup_name"
  if ! makensis -V2 -WX \
      "-DQM_ARCH=$arch" "-DQM_STAGE=$stage" "-DQM_OUTFILE=$out/$setup_name" "-DQM_EXPECTED_VERSION=$version" \
      "$root/installer/quillmark.nsi" >"$logs/installer-$arch.log" 2>&1; then
    echo "makensis failed (log: build/release/logs/installer-$arch.log):" >&2
    tail -20 "$logs/installer-$arch.log" >&2
    exit 1
  fi
  echo "   $setup_name"
  rm -rf "$stage"
done

(cd "$out" && sha256sum quillmark-"$version"-*.zip quillmark-"$version"-*-setup.exe 2>/dev/null >SHA256SUMS || true)
echo "Done: $(cd "$out" && ls quillmark-"$version"-* | tr '\n' ' ')"
