#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (MinGW-w64, posix threads) from Debian's qt6-base source, once, into a
# cache folder outside the tree; later runs reuse it. The folder's name carries a hash of the switches
# and of this script's build lines, so changing either builds a fresh Qt beside the old one.
# Prints the install prefix (the folder to give CMake as CMAKE_PREFIX_PATH) on standard output; all
# else goes to standard error.
set -euo pipefail
exec 3>&1 1>&2
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${CORVANE_CACHE_DIR:-/var/cache/corvane}
version=6.4.2
jobs=${CORVANE_QT_JOBS:-2}

sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
bash "$root/tools/install-deps.sh" g++-mingw-w64-x86-64 qt6-base-dev-tools cmake ninja-build ccache dpkg-dev

# Everything that decides what gets built; the cache key is a hash of these lines.
switches=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_opengl=OFF
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
)
key=$( { echo "$version"; printf '%s\n' "${switches[@]}"; cat "$root/cmake/mingw-w64-x86_64.cmake"; } |
    sha256sum | cut -c1-12)
prefix=$cache/qt-$version-$key
stamp=$prefix/.corvane-qt-complete
if [ -f "$stamp" ]; then
    echo "$prefix" >&3
    exit 0
fi

mkdir -p "$cache"
src=$cache/qt-src-$version
if [ ! -f "$src/.unpacked" ]; then
    # Debian's source needs a deb-src entry; add one beside the binary entry, same archive and suites.
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed -n '/^Types:/,/^$/p' /etc/apt/sources.list.d/debian.sources | sed 's/^Types: .*/Types: deb-src/' |
                $sudo_cmd tee /etc/apt/sources.list.d/corvane-deb-src.sources >/dev/null
        else
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                $sudo_cmd tee /etc/apt/sources.list.d/corvane-deb-src.list >/dev/null
        fi
    fi
    $sudo_cmd apt-get update -qq
    rm -rf "$src" "$cache/qt-src-dl"
    mkdir -p "$cache/qt-src-dl"
    (cd "$cache/qt-src-dl" && apt-get source -qq qt6-base)
    # The folder is named after the upstream version (qt6-base-6.4.2+dfsg); any other version is not
    # the Qt these switches were made for.
    mv "$cache/qt-src-dl"/qt6-base-"$version"[+]* "$src"
    rm -rf "$cache/qt-src-dl"
    touch "$src/.unpacked"
fi

build=$cache/qt-build-$key
rm -rf "$prefix"
cmake -S "$src" -B "$build" -G Ninja "${switches[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DCMAKE_INSTALL_PREFIX="$prefix"
nice -n 10 cmake --build "$build" --parallel "$jobs"
cmake --install "$build"
touch "$stamp"
rm -rf "$build"
echo "$prefix" >&3
