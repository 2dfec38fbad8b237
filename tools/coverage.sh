#!/usr/bin/env bash
# Which lines the test suite runs: builds with gcc --coverage in build-coverage/, runs the tests
# and writes an HTML report (build-coverage/coverage/index.html) and a summary per file
# (build-coverage/coverage/summary.txt). Tests, benchmarks and fuzzers are left out of the counts.
#   tools/coverage.sh                     every test, the editor's windows included
#   tools/coverage.sh -R 'core|checker'   only the tests that match (ctest -R), faster
#   CMAKE_EXTRA_ARGS=-DCORVANE_BUILD_UI=OFF tools/coverage.sh   the engine alone
set -euo pipefail
cd "$(dirname "$0")/.."
command -v gcovr >/dev/null || bash tools/install-deps.sh
build=${BUILD_DIR:-build-coverage}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_COVERAGE=ON -DCORVANE_WERROR=ON ${CMAKE_EXTRA_ARGS:-}
cmake --build "$build" --parallel "$(nproc)"
# Counts from an earlier run would add up with this one.
find "$build" -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 600 "$@" ||
    echo "coverage: some tests failed; the report counts what ran"
mkdir -p "$build/coverage"
gcovr --root . --object-directory "$build" \
    --exclude 'tests/' --exclude 'bench/' --exclude 'fuzz/' --exclude 'tools/' --exclude "$build/" \
    --html-details "$build/coverage/index.html" --txt "$build/coverage/summary.txt" --print-summary
echo "coverage: report in $build/coverage/index.html, per file in $build/coverage/summary.txt"
