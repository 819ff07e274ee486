#!/usr/bin/env bash
# Installs what is missing, builds the three builds, runs every test, and ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash tools/prerequisites.sh || { echo "Could not install the prerequisites."; echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
log_dir="$root/build/test-logs"
mkdir -p "$log_dir"

build() {
  local preset=$1
  echo "== Building $preset"
  if cmake --preset "$preset" >"$log_dir/configure-$preset.log" 2>&1 &&
     cmake --build --preset "$preset" -j"$(nproc)" >"$log_dir/build-$preset.log" 2>&1; then
    if grep -E '(^|[^A-Za-z])warning:' "$log_dir/build-$preset.log" >/dev/null; then
      echo "   warnings in the $preset build:"; grep -E 'warning:' "$log_dir/build-$preset.log" | head -20
      failed=$((failed + 1))
    fi
    return 0
  fi
  echo "   the $preset build failed:"; grep -E 'error|Error' "$log_dir/configure-$preset.log" "$log_dir/build-$preset.log" | head -30
  failed=$((failed + 1))
  return 1
}

# Adds the counts of one GoogleTest run's output to the totals; a run that ended without its summary counts as a failure.
count_gtest() {
  local log=$1 status=$2
  local p f
  p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | tail -1 | sed -E 's/^\[  PASSED  \] ([0-9]+).*/\1/')
  f=$(grep -E '^\[  FAILED  \] [0-9]+ test' "$log" | tail -1 | sed -E 's/^\[  FAILED  \] ([0-9]+).*/\1/')
  p=${p:-0}; f=${f:-0}
  if [ "$p" = 0 ] && [ "$f" = 0 ] || { [ "$status" -ne 0 ] && [ "$f" = 0 ]; }; then
    echo "   the run ended abnormally (status $status)"; tail -20 "$log"
    f=$((f + 1))
  fi
  grep -E '^\[  FAILED  \] [A-Za-z]' "$log" | sort -u | sed 's/^/   /'
  passed=$((passed + p))
  failed=$((failed + f))
}

# Adds the counts of a stage whose last output line is its own "N passed, N failed"; without it, one failure.
count_summary() {
  local log=$1 what=$2
  if [[ $(tail -1 "$log") =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
    passed=$((passed + BASH_REMATCH[1]))
    failed=$((failed + BASH_REMATCH[2]))
  else
    echo "   $what ended abnormally"; tail -5 "$log"; failed=$((failed + 1))
  fi
}

build native && {
  echo "== Unit tests (native, AddressSanitizer and UndefinedBehaviorSanitizer)"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ./build/native/unit_tests >"$log_dir/unit.log" 2>&1
  count_gtest "$log_dir/unit.log" $?
}
# The fuzz targets of the core (tools/fuzz.sh --check): each replays the inputs that ever failed, then runs 20,000
# seeded inputs under AddressSanitizer and UndefinedBehaviorSanitizer; one count per target.
build fuzz && {
  echo "== Fuzz targets of the core (libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)"
  bash tools/fuzz.sh --check </dev/null >"$log_dir/fuzz.log" 2>&1
  grep -E 'FAILED|^      ' "$log_dir/fuzz.log"
  count_summary "$log_dir/fuzz.log" "the fuzz runs"
}
build win32 && win32_built=1
if build win64; then
  win64_built=1
  echo "== End-to-end tests (win64 under Wine)"
  source tools/wine_session.sh
  prefix=$(mktemp -d /tmp/quillmark-test-prefix.XXXXXX)
  saved_display=${DISPLAY:-}
  unset DISPLAY
  qm_session_start "$prefix"
  bash tools/printer.sh start >"$log_dir/printer.log" 2>&1 || true
  timeout 1800 "$WINE64" build/win64/e2e_tests.exe >"$log_dir/e2e.log" 2>&1 </dev/null
  count_gtest "$log_dir/e2e.log" $?
  bash tools/printer.sh stop >>"$log_dir/printer.log" 2>&1 || true
  qm_session_stop
  rm -rf "$prefix"
  [ -n "$saved_display" ] && export DISPLAY="$saved_display"
fi

# The manifest that both programs carry (tools/check_manifest.py): one count per thing Windows reads from it, per program.
echo "== The application manifest (win32 and win64)"
if [ -n "${win32_built:-}" ] && [ -n "${win64_built:-}" ]; then
  python3 tools/check_manifest.py build/win32/quillmark.exe build/win64/quillmark.exe >"$log_dir/manifest.log" 2>&1
  grep FAILED "$log_dir/manifest.log"
  count_summary "$log_dir/manifest.log" "the manifest check"
fi

# The install test: the win64 installer, installed, started and removed in a prefix and display of its own. It prints
# its checks and ends with its own "N passed, N failed", which is added to the totals.
echo "== Install test (the win64 installer under Wine)"
bash tools/install_test.sh </dev/null 2>"$log_dir/install-test-errors.log" | tee "$log_dir/install-test-results.log" |
  grep -v -E '^[0-9]+ passed, [0-9]+ failed$'
count_summary "$log_dir/install-test-results.log" "the install test"

# The compile check: every dialog kind's generated code compiled with Free Pascal for win64 and run under Wine, with a
# prefix and display of its own (tools/compile_check.sh). It ends with its own "N passed, N failed", added to the totals.
echo "== Compile check (the generated code compiled with Free Pascal and run under Wine)"
bash tools/compile_check.sh </dev/null 2>"$log_dir/compile-check-errors.log" |
  tee "$log_dir/compile-check-results.log" | grep -v -E '^[0-9]+ passed, [0-9]+ failed$'
count_summary "$log_dir/compile-check-results.log" "the compile check"

echo "Logs: $log_dir"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
