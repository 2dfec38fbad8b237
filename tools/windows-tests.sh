#!/usr/bin/env bash
# Cross-builds everything for Windows with MinGW-w64 (the engine, the command line, the editor and every
# test program) against the Qt that tools/windows-qt.sh builds, and runs the whole suite under Wine, the
# window tests on Qt's offscreen platform as on Linux. CORVANE_WINDOWS_UI=OFF builds the engine, the
# command line and their tests alone, without Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/windows-common.sh
bash tools/install-deps.sh g++-mingw-w64-x86-64 wine64 wine libgtest-dev nlohmann-json3-dev cmake ninja-build ccache \
    fonts-liberation imagemagick icoutils

win_configure
cmake --build "$win_build" --parallel "$(nproc)"

win_set_dll_path "$win_qt"
win_fresh_prefix "$win_build/wineprefix"
# Qt's offscreen platform on Windows reads fonts from one folder (with FreeType), not from the system.
export QT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation
status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$win_build" --output-on-failure --timeout 300 --parallel "$(nproc)" || status=$?
# CTest shows a passing program's output only on failure: name every skipped test and its reason here.
echo "Skipped under Wine:"
grep -E -A1 ': Skipped$' "$win_build/Testing/Temporary/LastTest.log" | grep -v '^--$' | sed 's/^/  /' || echo "  nothing"
wineserver -k || true
exit "$status"
