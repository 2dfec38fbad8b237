#!/usr/bin/env bash
# Builds the Windows downloads from the cross build (tools/windows-tests.sh leaves it in build-windows/):
# a portable zip with everything the programs load, and an NSIS installer of the same files.
# Prints the paths of both.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/windows-common.sh
bash tools/install-deps.sh g++-mingw-w64-x86-64 nsis zip imagemagick icoutils

[ -f "$win_build/CMakeCache.txt" ] || win_configure
win_qt=$(sed -n 's/^CORVANE_WINDOWS_QT:[A-Z]*=//p' "$win_build/CMakeCache.txt")
[ -n "$win_qt" ] || { echo "$win_build was configured without the editor (CORVANE_WINDOWS_UI=OFF)"; exit 1; }
cmake --build "$win_build" --parallel "$(nproc)" --target corvane-scripter corvane-script
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$win_build/CMakeCache.txt")

name=corvane-scripter-$version-windows-x64
out=$win_build/package
stage=$out/$name
rm -rf "$out"
mkdir -p "$stage"/{platforms,styles,tls,examples,licenses}

# qt_standard_project_setup() gathers a Windows build's programs in the build folder's top.
cp "$win_build/corvane-scripter.exe" "$win_build/corvane-script.exe" "$stage/"
for dll in Core Gui Widgets Network; do cp "$win_qt/bin/Qt6$dll.dll" "$stage/"; done
cp $(win_runtime_dlls) "$stage/"
# Qt looks for plugins in these folders beside the program. The PNG icon is read by QtGui itself,
# so no image format plugin is needed; HTTPS goes through Windows' own Schannel.
cp "$win_qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$win_qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$win_qt/plugins/tls/qschannelbackend.dll" "$stage/tls/"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll
bash tools/check-windows-resources.sh "$version" packaging/corvane-scripter.png "$stage"/corvane-scripter.exe \
    "$stage"/corvane-script.exe

cp examples/*.txt "$stage/examples/"
cp README.md "$stage/README.md"
cp LICENSE "$stage/LICENSE.txt"
cp THIRD-PARTY-NOTICES.txt "$stage/"
cp packaging/licenses/*.txt "$stage/licenses/"
# The installer's own icon and its shortcut take the icon the programs carry, made by the build.
cp "$win_build/generated/corvane-scripter.ico" "$stage/"
# Windows' own editor wants CR LF.
for f in "$stage"/*.txt "$stage"/*.md "$stage"/licenses/*.txt; do sed -i 's/\r*$/\r/' "$f"; done

rm -f "$out/$name.zip"
(cd "$out" && zip -qr "$name.zip" "$name")

# The installer names every staged file, so its uninstaller deletes those and nothing else.
files=$out/files.nsh
unfiles=$out/unfiles.nsh
: > "$files"
: > "$unfiles"
(cd "$stage" && find . -type d | sort) | while read -r dir; do
    rel=${dir#.}; rel=${rel#/}
    win_rel=${rel//\//\\}
    dest='$INSTDIR'${win_rel:+\\$win_rel}
    echo "SetOutPath \"$dest\"" >> "$files"
    find "$stage${rel:+/$rel}" -maxdepth 1 -type f | sort | while read -r f; do
        echo "File \"$f\"" >> "$files"
        echo "Delete \"$dest\\$(basename "$f")\"" >> "$unfiles"
    done
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    rel=${dir#./}
    echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >> "$unfiles"
done
echo 'SetOutPath "$INSTDIR"' >> "$files"
cat LICENSE THIRD-PARTY-NOTICES.txt | sed 's/\r*$/\r/' > "$out/license.txt"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out/corvane-scripter-$version-setup.exe" \
    -DFILES="$files" -DUNFILES="$unfiles" -DLICENSE_TEXT="$out/license.txt" \
    -DSIZE_KB="$(du -sk "$stage" | cut -f1)" packaging/windows/installer.nsi
echo "$out/$name.zip"
echo "$out/corvane-scripter-$version-setup.exe"
