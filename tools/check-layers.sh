#!/usr/bin/env bash
# The engine folders stay plain C++: no source there includes a Qt header, and no library or
# program built from them links Qt. Prints every break of the rule; silent, exit 0, when none.
#   tools/check-layers.sh            (configures a scratch build in build-layers/, builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
engine_folders=(core checker text support assist lsp map lang update cli)
status=0

# <QString>, <QtCore/QObject>, <qglobal.h>, "QObject": every way a source can reach a Qt header.
qt_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z0-9]*(\.h)?[>"]|q[a-z0-9_]+\.h>)'
found=$(git ls-files -- "${engine_folders[@]}" | grep -E '\.(h|hpp|cpp|cc)$' | xargs -r grep -nE "$qt_include" || true)
if [ -n "$found" ]; then
    echo "Qt headers included in engine folders (${engine_folders[*]}):"
    echo "$found"
    status=1
fi

# Engine headers never reach up to the windows or the wiring.
found=$(git ls-files -- "${engine_folders[@]}" | grep -E '\.(h|hpp|cpp|cc)$' |
        xargs -r grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(ui|app)/' || true)
if [ -n "$found" ]; then
    echo "Engine folders that include windows (ui/) or wiring (app/):"
    echo "$found"
    status=1
fi

# The editor's windows (ui/ and ui/common/) know nothing of the side tools' windows: app/ wires them in.
found=$(git ls-files -- 'ui/*.cpp' 'ui/*.h' | grep -vE '^ui/(map|lang|update)/' |
        xargs -r grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(ui/(map|lang|update)|app)/' || true)
if [ -n "$found" ]; then
    echo "The editor's windows include a side tool's window or app/:"
    echo "$found"
    status=1
fi

# What each engine target links, as CMake resolves it with the editor (and so Qt) switched on.
build=${LAYERS_BUILD_DIR:-build-layers}
mkdir -p "$build"
if ! cmake -S . -B "$build" -G Ninja -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_UI=ON >"$build/configure.log" 2>&1; then
    cat "$build/configure.log"
    echo "check-layers: configuring $build failed"
    exit 1
fi
linked=$(grep -E '(^|[ :;<>])Qt[0-9]*::' "$build/engine-links.txt" || true)
if [ -n "$linked" ]; then
    echo "Engine targets that link Qt (target: what it links):"
    echo "$linked"
    status=1
fi
exit $status
