#!/usr/bin/env bash
# Cross-builds the engine, the command-line tool and their tests for Windows with MinGW-w64 and runs
# the tests under Wine, in a Wine prefix of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
need=()
for p in g++-mingw-w64-x86-64 wine64 wine libgtest-dev nlohmann-json3-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${need[@]}"
fi
build=${BUILD_DIR:-build-windows}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCORVANE_BUILD_UI=OFF -DCORVANE_WERROR=ON -DCORVANE_GTEST_SOURCE_DIR=/usr/src/googletest
export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --timeout 300
wineserver -k || true
