#!/usr/bin/env bash
# Benchmarks (not tests): the cost of a watch tick in the program's logic
# (native release build), on the real clipboard (64-bit build under Wine), how
# often the resident program wakes up at rest and its CPU time over 60 idle
# seconds under Wine, the size of the executables, and what a long run of
# clipboard changes leaves behind.
# Run scripts/test.sh first: it builds the Windows programs and the Wine prefix.
# WENDORA_BEFORE_EXE names an earlier TWendora.exe to compare the wake-ups with.
# WENDORA_LONG_RUN_CHANGES sets the length of the long run (default 10000,
# which lasts about 45 min here: the changes are 150 ms apart, and every
# twentieth is announced and cancelled).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/benchmark -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/benchmark --target watch_benchmark -j "$(nproc)" > /dev/null
echo "== One tick, the program's logic"
build/benchmark/tests/watch_benchmark
echo "== One tick, the system's clipboard (Wine)"
python3 tests/wine/wine_run.py --template build/win64/wine-prefix build/win64/tests/clipboard_benchmark.exe
echo "== Wake-ups at rest (Wine)"
python3 tests/benchmark/idle_wakeups.py --template build/win64/wine-prefix \
  --exe build/win64/src/TWendora.exe --reference build/win64/tests/idle_reference.exe \
  ${WENDORA_BEFORE_EXE:+--before "$WENDORA_BEFORE_EXE"}
echo "== 60 idle seconds (Wine)"
python3 tests/benchmark/idle_cpu.py --template build/win64/wine-prefix --exe build/win64/src/TWendora.exe
echo "== Executables"
ls -l build/win32/src/TWendora.exe build/win64/src/TWendora.exe | awk '{print $5, $9}'
echo "== A long run (Wine)"
python3 tests/benchmark/long_run.py --template build/win64/wine-prefix \
  --exe build/win64/src/TWendora.exe --clipboard-tool build/win64/tests/clipboard_tool.exe \
  --gui-counter build/win64/tests/gui_counter.exe --changes "${WENDORA_LONG_RUN_CHANGES:-10000}"
