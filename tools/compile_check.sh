#!/usr/bin/env bash
# The compile check: the code that Quillmark generates for every target compiler and every dialog kind, in several
# states of its panel and in both of its forms (the Copy fragment and the editor's three parts), is put into small
# form-like Pascal programs, compiled with Free Pascal for 64-bit Windows, and run under Wine, where dialog_checker
# finds each dialog, compares it with the panel's settings and closes it (and checks the files a file operation
# leaves). Free Pascal stands in for each target:
# - Delphi up to 2007: Delphi mode, with DelphiCompat declaring the functions that Delphi's units declare otherwise;
# - Delphi 2009 and later: delphiunicode mode against Windows units built with FPC_OS_UNICODE (Char is two bytes and
#   the plain names are the wide functions), DelphiCompat declaring the wide functions, and the heap checked;
# - Free Pascal and Lazarus: Delphi mode against Free Pascal's own Windows units, with no declaration of our own.
# FormStandIn stands for what the form units of Delphi and Lazarus provide. Also compiles pascal/ShellExt.pas, the
# unit that the shell dialogs' code names, as each target compiles it.
#
# Installs what is missing, builds the Free Pascal units for win64 once into build/fpc-win64-units (ANSI) and
# build/fpc-win64-unicode-units (Unicode), and ends with "N passed, N failed". Programs, compiler logs and reports:
# build/compile-check/.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build/compile-check"
units="$root/build/fpc-win64-units"
unicode_units="$root/build/fpc-win64-unicode-units"
fpcsrc=/usr/share/fpcsrc/3.2.2
logs="$out/logs"

abort() { echo "   $1"; echo "0 passed, 1 failed"; exit 1; }

bash tools/prerequisites.sh >&2 || abort "could not install the prerequisites"
command -v ppcx64 >/dev/null || abort "the Free Pascal compiler ppcx64 is missing"
[ -d "$fpcsrc/rtl/win64" ] || abort "the Free Pascal sources are missing ($fpcsrc)"

rm -rf "$out"
mkdir -p "$out/src" "$out/bin" "$out/obj" "$out/units" "$out/unicode-units" "$out/unicode-src" "$out/files" "$logs"

# ---- The Free Pascal run-time units for win64, built from the sources once ------------------------------------------
# build_units <folder> [-dFPC_OS_UNICODE]: the system unit never takes the define; the Windows units, built with it,
# define UNICODE themselves and map the plain names to the wide functions.
build_units() {
  local dir=$1 unicode=${2:-}
  local fpc_version
  fpc_version=$(ppcx64 -iV)
  [ "$(cat "$dir/.built" 2>/dev/null)" = "$fpc_version" ] && return 0
  echo "   -- building the Free Pascal units for win64${unicode:+ with $unicode} (once, into ${dir#"$root"/})"
  rm -rf "$dir"
  mkdir -p "$dir"
  local rtl=$fpcsrc/rtl
  local pkg=$fpcsrc/packages
  local unit_flags=(-Twin64 -n -O2 -Sg -FE"$dir" -FU"$dir" -Fu"$dir"
    -Fi"$rtl/inc" -Fi"$rtl/x86_64" -Fi"$rtl/win" -Fi"$rtl/win/wininc" -Fi"$rtl/win64" -Fi"$rtl/objpas"
    -Fi"$rtl/objpas/sysutils" -Fi"$rtl/objpas/classes" -Fi"$rtl/charmaps"
    -Fu"$rtl/inc" -Fu"$rtl/win" -Fu"$rtl/win64" -Fu"$rtl/x86_64" -Fu"$rtl/objpas" -Fu"$rtl/objpas/sysutils"
    -Fu"$rtl/objpas/classes" -Fu"$rtl/charmaps"
    -Fi"$pkg/rtl-objpas/src/inc" -Fi"$pkg/rtl-objpas/src/win" -Fi"$pkg/rtl-objpas/src/common"
    -Fu"$pkg/rtl-objpas/src/inc" -Fu"$pkg/rtl-objpas/src/win" -Fu"$pkg/rtl-objpas/src/common"
    -Fi"$pkg/winunits-base/src" -Fu"$pkg/winunits-base/src")
  local log="$logs/fpc-units${unicode:+-unicode}.log"
  if ! ppcx64 "${unit_flags[@]}" -Us "$rtl/win64/system.pp" >"$log" 2>&1; then
    tail -20 "$log"
    abort "building the Free Pascal units for win64 failed at system.pp"
  fi
  for source in "$rtl/objpas/objpas.pp" "$rtl/win64/sysinit.pp" "$rtl/inc/uuchar.pp" "$rtl/win64/buildrtl.pp" \
      "$pkg/rtl-objpas/src/win/varutils.pp" "$pkg/rtl-objpas/src/inc/variants.pp" \
      "$pkg/winunits-base/src/commdlg.pp" "$pkg/winunits-base/src/shellapi.pp" "$pkg/winunits-base/src/shlobj.pp"; do
    # shellcheck disable=SC2086
    if ! ppcx64 "${unit_flags[@]}" $unicode "$source" >"$log" 2>&1; then
      tail -20 "$log"
      abort "building the Free Pascal units for win64 failed at ${source##*/}"
    fi
  done
  echo "$fpc_version" >"$dir/.built"
}
build_units "$units"
build_units "$unicode_units" -dFPC_OS_UNICODE

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
echo "   -- compiling the generated code with Free Pascal (win64) for each target"
ansi_flags=(-Twin64 -n -vewnh -Fu"$units" -Fu"$out/units" -FU"$out/units")
unicode_flags=(-Twin64 -n -vewnh -Ur -dFPC_OS_UNICODE -Fu"$unicode_units" -Fu"$out/unicode-units"
  -FU"$out/unicode-units")

# ShellExt as a user compiles it; no warning allowed. Its own mode directive makes it Delphi mode for Free Pascal and
# the classic target. Delphi 2009 and later ignore that directive and compile it as Unicode: a copy whose mode line
# says DELPHIUNICODE stands for that.
sed 's/{\$MODE DELPHI}/{$MODE DELPHIUNICODE}/' pascal/ShellExt.pas >"$out/unicode-src/ShellExt.pas"
grep -q 'MODE DELPHIUNICODE' "$out/unicode-src/ShellExt.pas" || abort "pascal/ShellExt.pas has no {\$MODE DELPHI} line"
check_shellext() {
  local what=$1 log=$2
  shift 2
  if ppcx64 "$@" >"$log" 2>&1 && ! grep -q 'Warning:' "$log"; then
    echo "   compiles: $what"
    passed=$((passed + 1))
  else
    echo "   FAIL: $what does not compile cleanly:"; grep -E 'Warning|Error|Fatal' "$log" | sed 's/^/      /'
    failed=$((failed + 1))
  fi
}
check_shellext "pascal/ShellExt.pas" "$logs/ShellExt.log" "${ansi_flags[@]}" pascal/ShellExt.pas
check_shellext "pascal/ShellExt.pas as Delphi 2009 and later compile it" "$logs/ShellExt-unicode.log" \
  "${unicode_flags[@]}" "$out/unicode-src/ShellExt.pas"
for unit in FormStandIn DelphiCompat; do
  ppcx64 "${ansi_flags[@]}" "tests/compile/pascal/$unit.pas" >"$logs/$unit.log" 2>&1 ||
    { cat "$logs/$unit.log"; abort "the stand-in unit tests/compile/pascal/$unit.pas does not compile"; }
  ppcx64 "${unicode_flags[@]}" "tests/compile/pascal/$unit.pas" >"$logs/$unit-unicode.log" 2>&1 || {
    cat "$logs/$unit-unicode.log"
    abort "the stand-in unit tests/compile/pascal/$unit.pas does not compile (Unicode)"
  }
done

# ShellExt's own test program, ANSI and Unicode: its constants, and its functions bound by ordinal reaching shell32.
# Wine's icon picker fails at once with -1 (a call that did not reach shell32 gives 0 and ERROR_PROC_NOT_FOUND), and
# Wine cannot format, so SHFormatDrive gives SHFMT_NOFORMAT.
for program in shellext_check unicode_shellext_check; do
  if [ "$program" = shellext_check ]; then
    flags=(-Mdelphi -Fu"$units" -Fu"$out/units")
  else
    flags=(-Mdelphiunicode -Ur -Fu"$unicode_units" -Fu"$out/unicode-units")
  fi
  if ppcx64 -Twin64 -n -vewnh "${flags[@]}" -FU"$out/obj" -o"$out/bin/$program.exe" \
      tests/compile/pascal/shellext_check.pas >"$logs/$program.log" 2>&1; then
    t=$'\t'
    printf '%s\n' "program${t}$program" "no-window" "output${t}RFF 1 2 4 8 32" \
      "output${t}SHFMT 65535 0 1 2 4294967295 4294967294 4294967293" "output${t}SHPickIcon -1, index 2" \
      "output${t}SHFormatDrive 4294967293" "end" >>"$out/src/manifest.txt"
  else
    echo "   FAIL: tests/compile/pascal/shellext_check.pas does not compile as $program:"
    grep -E 'Error|Fatal' "$logs/$program.log" | sed 's/^/      /'
    failed=$((failed + 1))
  fi
done

# Each program as its target's compiler sees it: target 1 is Unicode, with the heap checked (a block written past
# its end ends the program with an error); targets 0 and 2 are ANSI.
compile_one() {
  local name=$1 target=$2 flags
  if [ "$target" = 1 ]; then
    flags=(-Mdelphiunicode -Ur -gh -Fu"$unicode_units" -Fu"$out/unicode-units")
  else
    flags=(-Mdelphi -Fu"$units" -Fu"$out/units")
  fi
  ppcx64 -Twin64 -n -vewnh "${flags[@]}" -FU"$out/obj" -FE"$out/bin" "$out/src/$name.pas" >"$out/logs/$name.log" 2>&1
}
export -f compile_one
export out units unicode_units
xargs -P "$(nproc)" -L 1 bash -c 'compile_one "$@"' _ <"$out/src/programs.txt" || true

declare -A excluded_message excluded_reason
while IFS=$'\t' read -r name message reason; do
  [ -n "$name" ] || continue
  excluded_message[$name]=$message
  excluded_reason[$name]=$reason
done <"$out/src/excluded.txt"

compiled=0
while IFS=$'\t' read -r name target; do
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
  elif [ "$target" = 1 ] && grep -q 'Implicit string type conversion' "$logs/$name.log"; then
    # Unicode code converts no string implicitly: such a conversion loses characters or costs a copy.
    echo "   FAIL: $name converts strings implicitly:"
    grep -E 'Implicit string type conversion' "$logs/$name.log" | head -5 | sed 's/^/      /'
    failed=$((failed + 1))
    rm -f "$out/bin/$name.exe"
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
while IFS=$'\t' read -r name _; do grep -E '\) Warning: ' "$logs/$name.log"; done <"$out/src/programs.txt" |
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

# The programs of each target and kind: how many there are, compiled, and ran as expected.
declare -A total built ran ran_ok
while read -r name; do ran_ok[$name]=1; done < <(tr -d '\r' <"$logs/checker.log" | sed -nE 's/^   ran  ([^ ]+).*/\1/p')
kinds=()
while IFS=$'\t' read -r name target; do
  kind=${name#unicode_}
  kind=${kind#fpc_}
  kind=${kind%%_*}
  [[ " ${kinds[*]} " == *" $kind "* ]] || kinds+=("$kind")
  total[$target $kind]=$((${total[$target $kind]:-0} + 1))
  [ -f "$out/bin/$name.exe" ] && built[$target $kind]=$((${built[$target $kind]:-0} + 1))
  [ -n "${ran_ok[$name]:-}" ] && ran[$target $kind]=$((${ran[$target $kind]:-0} + 1))
done <"$out/src/programs.txt"
echo "   programs compiled / ran as expected / in all, per kind and target:"
printf '   %-16s %-22s %-22s %-22s\n' kind "Delphi up to 2007" "Delphi 2009 and later" "Free Pascal, Lazarus"
for kind in "${kinds[@]}"; do
  row=()
  for target in 0 1 2; do
    row+=("${built[$target $kind]:-0} / ${ran[$target $kind]:-0} / ${total[$target $kind]:-0}")
  done
  printf '   %-16s %-22s %-22s %-22s\n' "$kind" "${row[@]}"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
