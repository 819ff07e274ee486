#!/usr/bin/env bash
# The compile check: the code that Quillmark generates for every dialog kind, in several states of its panel and in
# both of its forms (the Copy fragment and the editor's three parts), is put into small form-like Pascal programs,
# compiled with Free Pascal for 64-bit Windows in Delphi mode, and run under Wine, where dialog_checker finds each
# dialog, compares it with the panel's settings and closes it (and checks the files a file operation leaves).
# Also compiles pascal/ShellExt.pas, the unit that the shell dialogs' code names.
#
# Installs what is missing, builds the Free Pascal units for win64 once into build/fpc-win64-units, and ends with
# "N passed, N failed". Programs, compiler logs and reports: build/compile-check/.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build/compile-check"
units="$root/build/fpc-win64-units"
fpcsrc=/usr/share/fpcsrc/3.2.2
logs="$out/logs"

abort() { echo "   $1"; echo "0 passed, 1 failed"; exit 1; }

bash tools/prerequisites.sh >&2 || abort "could not install the prerequisites"
command -v ppcx64 >/dev/null || abort "the Free Pascal compiler ppcx64 is missing"
[ -d "$fpcsrc/rtl/win64" ] || abort "the Free Pascal sources are missing ($fpcsrc)"

rm -rf "$out"
mkdir -p "$out/src" "$out/bin" "$out/obj" "$out/units" "$out/files" "$logs"

# ---- The Free Pascal run-time units for win64, built from the sources once ------------------------------------------
fpc_version=$(ppcx64 -iV)
if [ "$(cat "$units/.built" 2>/dev/null)" != "$fpc_version" ]; then
  echo "   -- building the Free Pascal units for win64 (once, into build/fpc-win64-units)"
  rm -rf "$units"
  mkdir -p "$units"
  rtl=$fpcsrc/rtl
  pkg=$fpcsrc/packages
  unit_flags=(-Twin64 -n -O2 -Sg -FE"$units" -FU"$units" -Fu"$units"
    -Fi"$rtl/inc" -Fi"$rtl/x86_64" -Fi"$rtl/win" -Fi"$rtl/win/wininc" -Fi"$rtl/win64" -Fi"$rtl/objpas"
    -Fi"$rtl/objpas/sysutils" -Fi"$rtl/objpas/classes" -Fi"$rtl/charmaps"
    -Fu"$rtl/inc" -Fu"$rtl/win" -Fu"$rtl/win64" -Fu"$rtl/x86_64" -Fu"$rtl/objpas" -Fu"$rtl/objpas/sysutils"
    -Fu"$rtl/objpas/classes" -Fu"$rtl/charmaps"
    -Fi"$pkg/rtl-objpas/src/inc" -Fi"$pkg/rtl-objpas/src/win" -Fi"$pkg/rtl-objpas/src/common"
    -Fu"$pkg/rtl-objpas/src/inc" -Fu"$pkg/rtl-objpas/src/win" -Fu"$pkg/rtl-objpas/src/common"
    -Fi"$pkg/winunits-base/src" -Fu"$pkg/winunits-base/src")
  for source in "-Us $rtl/win64/system.pp" "$rtl/objpas/objpas.pp" "$rtl/win64/sysinit.pp" "$rtl/win64/buildrtl.pp" \
      "$pkg/rtl-objpas/src/win/varutils.pp" "$pkg/rtl-objpas/src/inc/variants.pp" \
      "$pkg/winunits-base/src/commdlg.pp" "$pkg/winunits-base/src/shellapi.pp" "$pkg/winunits-base/src/shlobj.pp"; do
    # shellcheck disable=SC2086
    if ! ppcx64 "${unit_flags[@]}" $source >"$logs/fpc-units.log" 2>&1; then
      tail -20 "$logs/fpc-units.log"
      abort "building the Free Pascal units for win64 failed at ${source##*/}"
    fi
  done
  echo "$fpc_version" >"$units/.built"
fi

# ---- The program writer (native) and the checker (win64) -----------------------------------------------------------
echo "   -- building the program writer and the dialog checker"
if ! { cmake --preset native && cmake --build --preset native --target emit_programs -j"$(nproc)"; } \
    >"$logs/build-native.log" 2>&1; then
  grep -E 'error|Error' "$logs/build-native.log" | head -20
  abort "building emit_programs failed"
fi
if ! { cmake --preset win64 && cmake --build --preset win64 --target dialog_checker -j"$(nproc)"; } \
    >"$logs/build-win64.log" 2>&1; then
  grep -E 'error|Error' "$logs/build-win64.log" | head -20
  abort "building dialog_checker failed"
fi

# Wine sees the whole file system as drive Z:.
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

ASAN_OPTIONS=detect_leaks=1 ./build/native/emit_programs "$out/src" "$(windows_path "$out/files")" \
  >"$logs/emit.log" 2>&1 || { cat "$logs/emit.log"; abort "emit_programs failed"; }

passed=0
failed=0

# ---- Compiling ------------------------------------------------------------------------------------------------------
echo "   -- compiling the generated code with Free Pascal (win64, Delphi mode)"
fpc_flags=(-Twin64 -n -vewnh -Fu"$units" -Fu"$out/units" -FU"$out/units")

# ShellExt as a user compiles it: its own mode directive makes it Delphi mode; no warning allowed.
if ppcx64 "${fpc_flags[@]}" pascal/ShellExt.pas >"$logs/ShellExt.log" 2>&1 && ! grep -q 'Warning:' "$logs/ShellExt.log"; then
  echo "   compiles: pascal/ShellExt.pas"
  passed=$((passed + 1))
else
  echo "   FAIL: pascal/ShellExt.pas does not compile cleanly:"; grep -E 'Warning|Error|Fatal' "$logs/ShellExt.log" | sed 's/^/      /'
  failed=$((failed + 1))
fi
ppcx64 "${fpc_flags[@]}" -Mdelphi tests/compile/pascal/FormCompat.pas >"$logs/FormCompat.log" 2>&1 ||
  { cat "$logs/FormCompat.log"; abort "the compatibility unit tests/compile/pascal/FormCompat.pas does not compile"; }

# ShellExt's own test program: its constants, and its functions bound by ordinal reaching shell32. Wine's icon picker
# fails at once with -1 (a call that did not reach shell32 gives 0 and ERROR_PROC_NOT_FOUND), and Wine cannot
# format, so SHFormatDrive gives SHFMT_NOFORMAT.
if ppcx64 -Twin64 -Mdelphi -n -vewnh -Fu"$units" -Fu"$out/units" -FU"$out/obj" -FE"$out/bin" \
    tests/compile/pascal/shellext_check.pas >"$logs/shellext_check.log" 2>&1; then
  t=$'\t'
  printf '%s\n' "program${t}shellext_check" "no-window" "output${t}RFF 1 2 4 8 32" \
    "output${t}SHFMT 65535 0 1 2 4294967295 4294967294 4294967293" "output${t}SHPickIcon -1, index 2" \
    "output${t}SHFormatDrive 4294967293" "end" >>"$out/src/manifest.txt"
else
  echo "   FAIL: tests/compile/pascal/shellext_check.pas does not compile:"
  grep -E 'Error|Fatal' "$logs/shellext_check.log" | sed 's/^/      /'
  failed=$((failed + 1))
fi

compile_one() {
  local name=$1
  ppcx64 -Twin64 -Mdelphi -n -vewnh -Fu"$units" -Fu"$out/units" -FU"$out/obj" -FE"$out/bin" \
    "$out/src/$name.pas" >"$out/logs/$name.log" 2>&1
}
export -f compile_one
export out units
xargs -P "$(nproc)" -I{} bash -c 'compile_one {}' <"$out/src/programs.txt" || true

declare -A excluded_message excluded_reason
while IFS=$'\t' read -r name message reason; do
  [ -n "$name" ] || continue
  excluded_message[$name]=$message
  excluded_reason[$name]=$reason
done <"$out/src/excluded.txt"

compiled=0
while read -r name; do
  if [ -n "${excluded_message[$name]:-}" ]; then
    if [ -f "$out/bin/$name.exe" ]; then
      echo "   FAIL: $name compiles now; take it off the list of exclusions (${excluded_reason[$name]})"
      failed=$((failed + 1))
      rm -f "$out/bin/$name.exe"
    elif grep -qF "${excluded_message[$name]}" "$logs/$name.log"; then
      echo "   excluded: $name does not compile as generated: ${excluded_reason[$name]}"
    else
      echo "   FAIL: $name fails otherwise than its exclusion says:"; grep -E 'Error|Fatal' "$logs/$name.log" | sed 's/^/      /'
      failed=$((failed + 1))
    fi
  elif [ -f "$out/bin/$name.exe" ]; then
    compiled=$((compiled + 1))
  else
    echo "   FAIL: $name does not compile:"
    grep -E '\) (Error|Fatal):' "$logs/$name.log" | head -5 | while read -r message; do
      echo "      $message"
      line=$(sed -nE 's/^[^(]*\(([0-9]+),.*/\1/p' <<<"$message")
      [ -n "$line" ] && echo "        line $line: $(sed -n "${line}p" "$out/src/$name.pas")"
    done
    failed=$((failed + 1))
  fi
done <"$out/src/programs.txt"
echo "   $compiled of $(wc -l <"$out/src/programs.txt") programs compiled"
# The compiler's warnings about the generated code do not fail the check; each is shown once, with its count.
while read -r name; do grep -E '\) Warning: ' "$logs/$name.log"; done <"$out/src/programs.txt" |
  sed -E 's/^[^ ]+ Warning: //' | sort | uniq -c | sed -E 's/^ *([0-9]+) (.*)$/   compiler warning in \1 programs: \2/'

# ---- Running under Wine ---------------------------------------------------------------------------------------------
echo "   -- running the programs under Wine"
source tools/wine_session.sh
prefix=$(mktemp -d /tmp/quillmark-compile-check.XXXXXX)
saved_display=${DISPLAY:-}
unset DISPLAY
qm_session_start "$prefix" 2>/dev/null
printer_flag=()
bash tools/printer.sh start >"$logs/printer.log" 2>&1 || true
if ! lpstat -p 2>/dev/null | grep -q '^printer'; then
  printer_flag=(--no-printer)
  echo "   no printer known: the Print programs are accepted with the message that asks to install one"
fi
timeout 1500 "$WINE64" build/win64/dialog_checker.exe "$(windows_path "$out/bin")" \
  "$(windows_path "$out/src/manifest.txt")" "${printer_flag[@]}" </dev/null >"$logs/checker.log" 2>"$logs/checker-errors.log"
# Every program's line and time are in the log; shown here are the failures.
tr -d '\r' <"$logs/checker.log" | grep -v -E '^[0-9]+ passed, [0-9]+ failed$|^   ran  '
counts=$(tr -d '\r' <"$logs/checker.log" | tail -1)
if [[ $counts =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
  echo "   ${BASH_REMATCH[1]} programs ran as expected, ${BASH_REMATCH[2]} did not"
  passed=$((passed + BASH_REMATCH[1]))
  failed=$((failed + BASH_REMATCH[2]))
else
  echo "   the checker ended abnormally"; tail -5 "$logs/checker-errors.log"
  failed=$((failed + 1))
fi
bash tools/printer.sh stop >>"$logs/printer.log" 2>&1 || true
qm_session_stop
rm -rf "$prefix"
[ -n "$saved_display" ] && export DISPLAY="$saved_display"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
