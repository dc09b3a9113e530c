#!/usr/bin/env bash
# Runs every test: the native unit tests (with AddressSanitizer and UBSan),
# the fuzzers for 30 s each, the 32-bit and 64-bit Windows builds, and the
# Windows tests under Wine in a virtual display with a window manager.
# Installs missing Debian packages when run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== Formatting"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror

echo "== Native build and unit tests"
cmake --preset linux -DWENDORA_TESTS=ON
cmake --build --preset linux -j "$jobs"
ctest --preset linux -j "$jobs"

echo "== Fuzzing"
scripts/fuzz.sh

echo "== 32-bit Windows build"
cmake --preset win32 -DWENDORA_TESTS=ON
cmake --build --preset win32 -j "$jobs"
cmake --build --preset win32 --target package

echo "== 64-bit Windows build and tests under Wine"
cmake --preset win64 -DWENDORA_TESTS=ON
cmake --build --preset win64 -j "$jobs"
ctest --preset win64 -j "$jobs"

echo "== Release packages"
cmake --build --preset win64 --target package
python3 tests/package_test.py build/win32/TWendora-*-win32.zip build/win64/TWendora-*-win64.zip
