#!/usr/bin/env bash
# Benchmarks (not tests): the cost of a watch tick in the program's logic
# (native release build), on the real clipboard (64-bit build under Wine), and
# the resident program's CPU time over 60 idle seconds under Wine.
# Run scripts/test.sh first: it builds the Windows programs and the Wine prefix.
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
