# Sourced by the Windows scripts (tools/windows-*.sh): the cross build's folder, the MinGW runtime and
# Wine. Expects to run from the top of the tree.

# Absolute, as Wine's prefixes and paths need it.
win_build=$(realpath -m "${BUILD_DIR:-build-windows}")
export WINEDEBUG=${WINEDEBUG:--all}
# Neither Mono nor Gecko is needed, and Wine would otherwise offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The GCC runtime DLLs every program of the cross build loads (Qt's DLLs load them too, so the
# programs link them the same way: one C++ runtime in the process).
win_runtime_dlls() {
    local dll
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        x86_64-w64-mingw32-g++-posix -print-file-name="$dll"
    done
}

# A Windows path (Z: is the Unix root under Wine) for a Unix path.
win_path() { echo "Z:$(readlink -f "$1" | tr / '\\')"; }

# Where Wine looks for DLLs: Qt's bin folder and the runtime's folders.
win_set_dll_path() {
    local qt=$1 dirs=() dll
    for dll in $(win_runtime_dlls); do dirs+=("$(win_path "$(dirname "$dll")")"); done
    [ -n "$qt" ] && dirs+=("$(win_path "$qt/bin")")
    WINEPATH=$(printf '%s;' "${dirs[@]}")
    export WINEPATH
}

# The run's empty Wine prefix is made once (wineboot is slow); every user gets a copy of its own.
win_fresh_prefix() {
    local target=$1 template=$win_build/wine-template
    if [ ! -f "$template/.complete" ]; then
        rm -rf "$template"
        WINEPREFIX=$template wineboot --init >/dev/null 2>&1
        WINEPREFIX=$template wineserver -w
        touch "$template/.complete"
    fi
    rm -rf "$target"
    cp -a "$template" "$target"
    rm -f "$target/.complete"
    WINEPREFIX=$(readlink -f "$target")
    export WINEPREFIX
}

# Configures the cross build in $win_build; sets win_qt to the Qt for Windows (built first when
# missing), or to nothing when CORVANE_WINDOWS_UI=OFF asks for the engine and command line alone.
win_configure() {
    local qt_args=(-DCORVANE_BUILD_UI=OFF)
    win_qt=""
    if [ "${CORVANE_WINDOWS_UI:-ON}" != OFF ]; then
        win_qt=$(bash tools/windows-qt.sh)
        qt_args=(-DCORVANE_BUILD_UI=ON -DCORVANE_WINDOWS_QT="$win_qt" -DCMAKE_PREFIX_PATH="$win_qt"
                 -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    fi
    cmake -S . -B "$win_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "${qt_args[@]}" \
        -DCORVANE_WERROR=ON -DCORVANE_GTEST_SOURCE_DIR=/usr/src/googletest
}
