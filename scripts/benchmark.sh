#!/usr/bin/env bash
# Benchmarks (not tests): the cost of a watch tick in the program's logic
# (native release build), on the real clipboard (64-bit build under Wine), the
# resident program's CPU time over 60 idle seconds under Wine, the size of the
# executables, and what a long run of clipboard changes leaves behind.
# Run scripts/test.sh first: it builds the Windows programs and the Wine prefix.
# WENDORA_LONG_RUN_CHANGES sets the length of the long run (default 10000;
# each change takes the program's 100 ms tick, so that run lasts about 30 min).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/benchmark -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/benchmark --target watch_benchmark -j "$(nproc)" > /dev/null
echo "== One tick, the program's logic"
build/benchmark/tests/watch_benchmark
echo "== One tick, the system's clipboard (Wine)"
python3 tests/wine/wine_run.py --template build/win64/wine-prefix build/win64/tests/clipboard_benchmark.exe
echo "== 60 idle seconds (Wine)"
python3 tests/benchmark/idle_cpu.py --template build/win64/wine-prefix --exe build/win64/src/TWendora.exe
echo "== Executables"
ls -l build/win32/src/TWendora.exe build/win64/src/TWendora.exe | awk '{print $5, $9}'
echo "== A long run (Wine)"
python3 tests/benchmark/long_run.py --template build/win64/wine-prefix \
  --exe build/win64/src/TWendora.exe --clipboard-tool build/win64/tests/clipboard_tool.exe \
  --gui-counter build/win64/tests/gui_counter.exe --changes "${WENDORA_LONG_RUN_CHANGES:-10000}"
