#!/usr/bin/env bash
# Fuzzes the platform-free core with libFuzzer (clang, AddressSanitizer and UndefinedBehaviorSanitizer): one target
# per dialog kind's generator, the integer readers, Copy All and the decorative panel's geometry (tests/fuzz/).
#
#   bash tools/fuzz.sh [seconds]   runs every target for that many seconds (default 60), growing a corpus of its own
#                                  in build/fuzz-corpus/<target>/ from one run to the next
#   bash tools/fuzz.sh --check     what the test command runs: every target replays the inputs that ever failed
#                                  (tests/fuzz/regressions/<target>/), then runs 20,000 inputs from seed 1
#
# An input that fails (a sanitizer report, a crash, a leak, a failed check) is written to
# tests/fuzz/regressions/<target>/, where it stays as a regression input once its fault is fixed.
# The last line is "N passed, N failed", one count per target.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

mode=time
seconds=60
case "${1:-}" in
  --check) mode=check ;;
  "") ;;
  *[!0-9]*) echo "usage: bash tools/fuzz.sh [seconds] | --check" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac
runs=20000

log_dir="$root/build/fuzz-logs"
mkdir -p "$log_dir"
if [ "$mode" = time ]; then
  bash tools/prerequisites.sh || { echo "Could not install the prerequisites."; exit 1; }
fi
if ! { cmake --preset fuzz >"$log_dir/configure.log" 2>&1 &&
       cmake --build --preset fuzz -j"$(nproc)" >"$log_dir/build.log" 2>&1; }; then
  echo "   the fuzz build failed:"; grep -E 'error|Error' "$log_dir/configure.log" "$log_dir/build.log" | head -30
  echo "0 passed, 1 failed"
  exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

passed=0
failed=0
for binary in build/fuzz/fuzz_*; do
  [ -x "$binary" ] || continue
  target=$(basename "$binary")
  kept="tests/fuzz/regressions/$target"
  log="$log_dir/$target.log"
  mkdir -p "$kept"
  ok=1
  : >"$log"

  # Every input that ever failed must pass now.
  mapfile -t inputs < <(find "$kept" -type f ! -name '.*' | sort)
  if [ ${#inputs[@]} -gt 0 ]; then
    "$binary" "${inputs[@]}" >>"$log" 2>&1 || ok=0
  fi

  if [ "$mode" = check ]; then
    "$binary" -runs=$runs -seed=1 -timeout=20 -artifact_prefix="$kept/" >>"$log" 2>&1 || ok=0
  else
    corpus="build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    "$binary" -max_total_time="$seconds" -timeout=20 -artifact_prefix="$kept/" "$corpus" >>"$log" 2>&1 || ok=0
  fi
  done_runs=$(grep -E '^Done [0-9]+ runs' "$log" | tail -1 | sed -E 's/^Done ([0-9]+) runs.*/\1/')
  if [ "$ok" = 1 ]; then
    passed=$((passed + 1))
    echo "   $target: ${done_runs:-0} inputs, ${#inputs[@]} kept failing inputs replayed"
  else
    failed=$((failed + 1))
    echo "   $target FAILED (log: $log):"
    grep -E 'check failed|ERROR:|runtime error|Test unit written' "$log" | head -5 | sed 's/^/      /'
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
