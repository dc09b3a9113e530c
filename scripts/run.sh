#!/usr/bin/env bash
# Builds TWendora.exe and starts it: directly on Windows, under Wine elsewhere.
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
ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset win64 -B build/run -DWENDORA_TESTS=OFF
cmake --build build/run -j "$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display: TWendora is a desktop program and needs one to run." >&2
  echo "Start it from a desktop session, or set DISPLAY to an X server." >&2
  exit 1
fi
export WINEDEBUG=${WINEDEBUG:--all}
exec wine build/run/src/TWendora.exe "$@"
