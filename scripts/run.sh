#!/usr/bin/env bash
# Builds TWendora.exe and starts it: directly on Windows, under Wine on the
# display elsewhere. Without a display it shows a demonstration instead: the
# program under Wine in a virtual display, a copied address, a screenshot of
# the banner (demo.png) and what the program opened and saved.
set -euo pipefail
cd "$(dirname "$0")/.."

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*)
    cmake -S . -B build/windows -DWENDORA_TESTS=OFF
    cmake --build build/windows --config Release
    exe=$(find build/windows -name TWendora.exe | head -n 1)
    exec "$exe" "$@"
    ;;
esac

source scripts/packages.sh
export WINEDEBUG=${WINEDEBUG:--all}

if [ -n "${DISPLAY:-}" ]; then
  ensure_packages "${BUILD_PACKAGES[@]}"
  cmake --preset win64 -B build/run -DWENDORA_TESTS=OFF
  cmake --build build/run -j "$(nproc)"
  exec wine build/run/src/TWendora.exe "$@"
fi

echo "No display here: showing a demonstration in a virtual one."
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset win64 -DWENDORA_TESTS=ON > /dev/null
cmake --build --preset win64 -j "$(nproc)" --target TWendora shell_recorder help_file > /dev/null
exec python3 tests/wine/demo.py --exe build/win64/src/TWendora.exe \
  --recorder build/win64/tests/shell_recorder.exe --prefix build/win64/wine-prefix
