#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan, leaks
# detected) and runs each for a bounded time, starting from a copy of its seed
# corpus in tests/fuzz/corpus/, so the committed corpus never grows. Fails on
# any crash, failed check, leak, timeout, out-of-memory or sanitizer report;
# the input that caused it is kept in build/fuzz/artifacts/.
#
#   scripts/fuzz.sh [TARGET...]     targets: profile number classify (default: all)
#
# WENDORA_FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages cmake make clang libclang-rt-14-dev

seconds=${WENDORA_FUZZ_SECONDS:-30}
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(profile number classify)
jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2

cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"

# Reports end the run at once, with a stack trace; libFuzzer itself watches
# for leaks, slow inputs and memory use.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"

failed=()
for target in "${targets[@]}"; do
  binary=build/fuzz/tests/fuzz/${target}_fuzzer
  corpus=$work/$target
  log=$work/$target.log
  cp -r "tests/fuzz/corpus/$target" "$corpus"
  echo "-- $target: ${seconds} s"
  status=0
  "$binary" "$corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
    < /dev/null > "$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ] || ! grep -q '^Done [0-9]* runs' "$log"; then
    tail -n 60 "$log"
    echo "-- $target FAILED (exit status $status); input kept in $artifacts/" >&2
    failed+=("$target")
    continue
  fi
  grep '^Done [0-9]* runs' "$log"
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "Fuzzing passed: ${targets[*]}"
