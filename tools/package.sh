#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build, as left by run-tests.sh), unpacks
# it into a throwaway root and checks that its programs are where a desktop expects them and start.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
[ -f "$build/CPackConfig.cmake" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)" --target corvane-script corvane-scripter
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/corvane-scripter_*.deb | head -n 1)
echo "package: $deb"
dpkg-deb --info "$deb" | grep -E 'Package|Version|Depends'

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for f in usr/bin/corvane-scripter usr/bin/corvane-script \
         usr/share/applications/corvane-scripter.desktop \
         usr/share/icons/hicolor/scalable/apps/corvane-scripter.svg \
         usr/share/doc/corvane-scripter/copyright usr/share/doc/corvane-scripter/THIRD-PARTY-NOTICES.txt; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
"$root/usr/bin/corvane-script" --version
# The editor from a read-only install must start and keep running until we stop it.
set +e
HOME="$root/home" QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/corvane-scripter" >/dev/null 2>&1
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the packaged editor did not keep running (exit $status)"; exit 1; }
echo "package contents and start-up OK"
