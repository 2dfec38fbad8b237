#!/usr/bin/env bash
# Builds the VS Code extension's platform packages, each with the language server inside:
# linux-x64 from the normal build, win32-x64 from the MinGW build (built engine-only here when
# it is missing). The packages go to $OUT_DIR (default build/vscode); TARGETS=linux-x64 builds that
# one alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
windows_build=${WINDOWS_BUILD_DIR:-build-windows}
out=${OUT_DIR:-$build/vscode}
targets=${TARGETS:-linux-x64 win32-x64}
extension=editors/vscode

command -v npm >/dev/null || { echo "npm is not installed (apt-get install npm)"; exit 1; }
[ -x "$build/cli/corvane-script" ] || {
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON -DCORVANE_BUILD_BENCH=ON
    cmake --build "$build" --target corvane-script
}
if [[ " $targets " == *" win32-x64 "* ]]; then
    # The full Windows build (tools/windows-tests.sh) puts its programs in the folder's top, as
    # qt_standard_project_setup() does on Windows; the engine-only build leaves them in cli/.
    windows_exe=$windows_build/corvane-script.exe
    [ -f "$windows_exe" ] || windows_exe=$windows_build/cli/corvane-script.exe
    if [ ! -f "$windows_exe" ]; then
        bash tools/install-deps.sh g++-mingw-w64-x86-64 nlohmann-json3-dev
        cmake -S . -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCORVANE_BUILD_UI=OFF -DCORVANE_BUILD_TESTS=OFF
        cmake --build "$windows_build" --target corvane-script
    fi
fi

(cd "$extension" && { [ -d node_modules ] || npm ci --no-audit --no-fund; })
version=$(node -p "require('./$extension/package.json').version")
mkdir -p "$out"
out=$(cd "$out" && pwd)
trap 'rm -rf "$extension/server"' EXIT
for target in $targets; do
    rm -rf "$extension/server"
    mkdir "$extension/server"
    case $target in
        linux-x64) strip -o "$extension/server/corvane-script" "$build/cli/corvane-script" ;;  # no debug data
        win32-x64) cp "$windows_exe" "$extension/server/" ;;
    esac
    (cd "$extension" && npx vsce package --target "$target" --skip-license --allow-missing-repository \
        --out "$out/corvane-ai-script-$target-$version.vsix")
done
ls -l "$out"/*.vsix
