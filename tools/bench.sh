#!/usr/bin/env bash
# Benchmarks: start-up, commands and memory of quillmark.exe under Wine, the sizes of both builds, and the core's
# throughput. Prints one table and writes it to build/bench/results.md. A benchmark, not a test: it never fails on a
# time; it ends with an error only when something could not be built or run.
#
# Options through the environment: QM_BENCH_RUNS (start-ups of each program, 15), QM_BENCH_COPIES (Copies per kind,
# 30), QM_BENCH_EDITS (Edits per kind, 8), QM_BENCH_ABOUTS (5), QM_BENCH_COMMANDS (1000), QM_BENCH_REPETITIONS (runs of
# each core benchmark, 9).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build/bench"
mkdir -p "$out"
log="$out/log"
: >"$log"

fail() { echo "bench: $*" >&2; echo "bench: see $log" >&2; exit 1; }

bash tools/prerequisites.sh || fail "could not install the prerequisites"

echo "== Building (win64 with the driver, win32, native core without sanitizers)" >&2
{ cmake --preset win64 && cmake --build --preset win64 -j"$(nproc)" --target bench_driver; } >>"$log" 2>&1 ||
  fail "the win64 build failed"
{ cmake --preset win32 && cmake --build --preset win32 -j"$(nproc)" --target quillmark; } >>"$log" 2>&1 ||
  fail "the win32 build failed"
# The core is measured as it ships: optimised, without the sanitizers of the native test build.
native="$root/build/bench-native"
{ cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DQM_SANITIZE=OFF &&
  cmake --build "$native" -j"$(nproc)" --target core_bench; } >>"$log" 2>&1 || fail "the native core_bench build failed"

echo "== Core throughput (Google Benchmark)" >&2
rm -f "$out/core.json"
"$native/core_bench" --benchmark_repetitions="${QM_BENCH_REPETITIONS:-9}" --benchmark_min_time=0.2 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_out="$out/core.json" --benchmark_out_format=json >>"$log" 2>&1 || fail "core_bench failed"

echo "== Start-up, commands and memory under Wine" >&2
source tools/wine_session.sh
prefix=$(mktemp -d /tmp/quillmark-bench-prefix.XXXXXX)
trap 'qm_session_stop; rm -rf "$prefix"' EXIT
saved_display=${DISPLAY:-}
# A virtual display of its own, so that nothing else drawn on a display takes part in the figures.
QM_FORCE_XVFB=1 qm_session_start "$prefix" 2>>"$log"
rm -f "$out/driver.tsv"
timeout 1200 "$WINE64" build/win64/bench_driver.exe --runs "${QM_BENCH_RUNS:-15}" --copies "${QM_BENCH_COPIES:-30}" \
  --edits "${QM_BENCH_EDITS:-8}" --abouts "${QM_BENCH_ABOUTS:-5}" --commands "${QM_BENCH_COMMANDS:-1000}" \
  --out "Z:$(echo "$out/driver.tsv" | tr / '\\')" </dev/null >>"$log" 2>&1
status=$?
qm_session_stop
rm -rf "$prefix"
trap - EXIT
[ -n "$saved_display" ] && export DISPLAY="$saved_display"
[ "$status" -eq 0 ] && [ -f "$out/driver.tsv" ] || fail "the driver ended with status $status"

load=$(cut -d' ' -f1-3 /proc/loadavg)
python3 tests/bench/make_table.py --driver "$out/driver.tsv" --core "$out/core.json" \
  --exe32 build/win32/quillmark.exe --exe64 build/win64/quillmark.exe --out "$out/results.md" \
  --note "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load average $load at the end; $($WINE64 --version 2>/dev/null)" ||
  fail "the table could not be made"
echo "Written to $out/results.md" >&2
