#!/usr/bin/env bash
# The install test: builds the 64-bit installer, installs it silently into a fresh Wine prefix (on a virtual display of
# its own), checks the files, the Start menu entry and the "Add or remove programs" entry, starts the installed program
# through its Start menu entry and closes it, removes it silently and checks that everything the installer added is
# gone while the user's settings stay. A second, shorter round does the same for an install for all users.
# Prints one line per check and ends with "N passed, N failed"; tools/test.sh adds the counts to its totals.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$(pwd)

log_dir="$root/build/test-logs"
mkdir -p "$log_dir"
log="$log_dir/install-test.log"
: >"$log"

passed=0
failed=0
pass() { echo "   ok    $1"; passed=$((passed + 1)); }
fail() { echo "   FAIL  $1"; failed=$((failed + 1)); }
# check "what is checked" command...: the command's output goes to the log.
check() {
  local what=$1
  shift
  echo "-- $what" >>"$log"
  if "$@" >>"$log" 2>&1; then pass "$what"; else fail "$what"; fi
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# --- The installer and the test driver --------------------------------------------------------------------------------

echo "-- building" >>"$log"
if ! bash tools/release.sh win64 >>"$log" 2>&1 ||
   ! cmake --build --preset win64 -j"$(nproc)" --target e2e_tests >>"$log" 2>&1; then
  fail "the win64 installer and the test driver build (log: build/test-logs/install-test.log)"
  finish
fi
version=$(cmake -P cmake/version.cmake | sed -n 's/^QM_VERSION=//p')
setup="build/release/quillmark-$version-win64-setup.exe"
if [ -f "$setup" ]; then
  pass "the release command makes $(basename "$setup")"
else
  fail "the release command makes $setup"
  finish
fi

# --- A fresh prefix and display ---------------------------------------------------------------------------------------

source tools/wine_session.sh
prefix=$(mktemp -d /tmp/quillmark-install-prefix.XXXXXX)
saved_display=${DISPLAY:-}
unset DISPLAY
cleanup() {
  qm_session_stop
  rm -rf "$prefix"
  if [ -n "$saved_display" ]; then export DISPLAY="$saved_display"; fi
}
trap cleanup EXIT
qm_session_start "$prefix" 2>>"$log"

run_wine() { timeout 120 "$WINE64" "$@" </dev/null; }
# A registry value as reg.exe shows it ("" when the key or value is missing).
reg_value() { run_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
reg_has_key() { run_wine reg query "$1" >/dev/null 2>&1; }
# A Windows folder of the current user, as Wine expands it ("C:\users\...").
win_env() { run_wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r' | tail -1; }
unix_path() { run_wine winepath -u "$1" 2>/dev/null | tr -d '\r' | sed 's:/$::'; }
same() {
  if [ "$1" = "$2" ]; then return 0; fi
  echo "expected: $2"
  echo "found:    $1"
  return 1
}
# Waits (up to 30 s) until the command succeeds: the uninstaller runs on in a copy of itself after it returns.
wait_for() {
  local _
  for _ in $(seq 1 150); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark'
machine_uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark'
settings_key='HKCU\Software\Orvenna\Quillmark'
files=(quillmark.exe Quillmark.html README.txt LICENSE.txt uninstall.exe)
[ -f pascal/ShellExt.pas ] && files+=(ShellExt.pas)

installed_files() {
  local dir=$1 f
  for f in "${files[@]}"; do
    [ -f "$dir/$f" ] || { echo "missing: $dir/$f"; return 1; }
  done
  cmp "$dir/quillmark.exe" build/win64/quillmark.exe || return 1
  grep -q $'\r$' "$dir/README.txt" || { echo "README.txt has no CR LF line ends"; return 1; }
}
gone() { [ ! -e "$1" ]; }
no_key() { ! reg_has_key "$1"; }
# An uninstall entry ($1) that names the product, and one that names the folder ($2) it was installed into.
names_product() {
  same "$(reg_value "$1" DisplayName)" "Quillmark for Delphi" &&
    same "$(reg_value "$1" DisplayVersion)" "$version" &&
    same "$(reg_value "$1" Publisher)" "Orvenna"
}
names_folder() {
  same "$(reg_value "$1" UninstallString)" "\"$2\\uninstall.exe\"" &&
    same "$(reg_value "$1" InstallLocation)" "$2" &&
    same "$(reg_value "$1" DisplayIcon)" "$2\\quillmark.exe,0"
}
# The settings as they were before the uninstall.
settings_kept() {
  grep -q DlgType <<<"$settings_before" &&
    same "$(run_wine reg query "$settings_key" 2>&1 | tr -d '\r')" "$settings_before"
}
machine_install_ok() {
  installed_files "$mdir" && test -f "$machine_link" && names_product "$machine_uninstall_key" &&
    names_folder "$machine_uninstall_key" "$machine_dir" && no_key "$uninstall_key"
}
machine_uninstall_ok() {
  run_wine "$mdir/uninstall.exe" /S && wait_for gone "$mdir" && wait_for no_key "$machine_uninstall_key" &&
    gone "$machine_link"
}

# --- For the current user (the default) -------------------------------------------------------------------------------

programs_dir="$(win_env LOCALAPPDATA)\\Programs\\Quillmark"
start_menu="$(win_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
shortcut="$start_menu\\Quillmark for Delphi.lnk"

check "installs silently for the current user" run_wine "$setup" /S
dir=$(unix_path "$programs_dir")
link=$(unix_path "$shortcut")
check "puts the program, the help, the README and the licence into the user's programs folder" installed_files "$dir"
check "adds the Start menu entry 'Quillmark for Delphi'" test -f "$link"
check "registers 'Quillmark for Delphi' $version by Orvenna under Add or remove programs" names_product "$uninstall_key"
check "the entry names the uninstaller, the folder and the icon" names_folder "$uninstall_key" "$programs_dir"
check "installs nothing for all users" no_key "$machine_uninstall_key"

echo "-- the installed program" >>"$log"
QM_INSTALLED_EXE="$programs_dir\\quillmark.exe" QM_INSTALLED_SHORTCUT="$shortcut" timeout 120 "$WINE64" \
  build/win64/e2e_tests.exe --gtest_filter='InstalledProgram.*' >"$log_dir/install-program.log" 2>&1 </dev/null
program_log="$log_dir/install-program.log"
cat "$program_log" >>"$log"
if grep -q '^\[  PASSED  \] 1 test' "$program_log" && ! grep -q '^\[  SKIPPED \]' "$program_log"; then
  pass "the Start menu entry starts the installed program, which closes cleanly"
else
  fail "the Start menu entry starts the installed program, which closes cleanly"
  grep -E '(Failure|error|Expected|Which is|  Actual|the installed)' "$program_log" | head -8 | sed 's/^/         /'
fi

# The user's settings, as the program keeps them: the uninstaller must leave them as they are.
run_wine reg add "$settings_key" /v DlgType /d 7 /f >>"$log" 2>&1
run_wine reg add "$settings_key" /v UsesHt /d 60 /f >>"$log" 2>&1
settings_before=$(run_wine reg query "$settings_key" 2>&1 | tr -d '\r')

check "uninstalls silently" run_wine "$dir/uninstall.exe" /S
check "removes the program's folder" wait_for gone "$dir"
check "removes the Start menu entry" gone "$link"
check "removes the Add or remove programs entry" wait_for no_key "$uninstall_key"
check "keeps the user's settings" settings_kept

# --- For all users ----------------------------------------------------------------------------------------------------

machine_dir="$(win_env ProgramFiles)\\Quillmark"
machine_link=$(unix_path "$(win_env ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs\\Quillmark for Delphi.lnk")
check "/AllUsers installs silently" run_wine "$setup" /S /AllUsers
mdir=$(unix_path "$machine_dir")
check "for all users: files in Program Files, the Start menu entry and the entry for the machine" machine_install_ok
check "for all users: the silent uninstall removes the files and both entries" machine_uninstall_ok

finish
