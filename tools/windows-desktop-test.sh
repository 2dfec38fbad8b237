#!/usr/bin/env bash
# The Windows downloads (tools/windows-package.sh) on a virtual desktop (Xvfb, openbox) under Wine,
# each in a clean Wine prefix, with nothing of the build tree on Wine's DLL path:
#  - the editor from the unpacked zip, on Qt's windows platform, loads an example script compiled by
#    the zip's corvane-script.exe; a screenshot must show the script (OCR);
#  - the installer's round trip, per machine and per user: silent install, Start Menu entry and
#    Uninstall key; the installed editor shows its main window; silent uninstall removes every file
#    and key of ours and leaves the author's script and editor.ini.
# Usage: tools/windows-desktop-test.sh [SCREENSHOT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/windows-common.sh
bash tools/install-deps.sh wine64 wine xvfb xauth openbox xdotool imagemagick tesseract-ocr unzip

out=$win_build/desktop
rm -rf "$out"
mkdir -p "$out"
shot=${1:-$out/editor.png}
zip=$(ls -t "$win_build"/package/corvane-scripter-*-windows-x64.zip | head -n 1)
setup=$(ls -t "$win_build"/package/corvane-scripter-*-setup.exe | head -n 1)
unset WINEPATH QT_QPA_PLATFORM QT_PLUGIN_PATH

fail() { echo "FAILED: $*"; exit 1; }
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$out/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$out/display")
openbox >/dev/null 2>&1 &
wm=$!
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
    kill "$wm" "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Waits for a visible window of that title; prints its id.
wait_window() {
    local id
    for _ in $(seq "${2:-60}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 1
    done
    return 1
}

# Starts the editor ($1: its Windows path), waits for its main window and loads C:\skirmish.dat through
# Scripts > Load (Ctrl+O, the file name typed into Windows' open dialog); $2: the screenshot.
load_example() {
    (wine "$1" >>"$out/editor.log" 2>&1 &)  # in a subshell: no job notice when wineserver -k ends it
    id=$(wait_window "Corvane Scripter Tools") || fail "$1 showed no main window"
    sleep 4  # the splash window goes
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+o
    sleep 3
    xdotool type --delay 40 'C:\skirmish.dat'
    xdotool key Return
    sleep 4
    import -window root "$2"
    wineserver -k || true
}

compile_example() {
    wine "$1" compile "$(win_path examples/skirmish.txt)" 'C:\skirmish.dat'
    [ -f "$WINEPREFIX/drive_c/skirmish.dat" ] || fail "$1 compiled nothing"
}

echo "--- the portable zip"
win_fresh_prefix "$out/prefix-zip"
unzip -q "$zip" -d "$WINEPREFIX/drive_c"
app=$WINEPREFIX/drive_c/$(basename "$zip" .zip)
compile_example "$app/corvane-script.exe"
load_example "$(win_path "$app")\\corvane-scripter.exe" "$shot"
# Light text on the script box's dark ground, small: tesseract reads it inverted and enlarged.
convert "$shot" -colorspace Gray -negate -resize 300% "$out/ocr-input.png"
tesseract "$out/ocr-input.png" "$out/ocr" >/dev/null 2>&1
grep -q "STATE_CONSTRUCT_BUILDING" "$out/ocr.txt" || fail "the screenshot does not show the script (OCR: $out/ocr.txt)"
# The zip's folder is writable: the settings (the recent file among them) are kept beside the program.
grep -qi "skirmish.dat" "$app/editor.ini" || fail "the portable editor kept no editor.ini beside itself"
echo "the editor from the zip shows the script: $shot"

# One install, start and uninstall; $1 is /AllUsers or /CurrentUser.
round_trip() {
    local mode=$1 inst menu root key='Software\Microsoft\Windows\CurrentVersion\Uninstall\CorvaneScripterTools'
    echo "--- the installer, $mode"
    win_fresh_prefix "$out/prefix-setup-${mode#/}"
    wine "$setup" /S "$mode"
    wineserver -w
    if [ "$mode" = /AllUsers ]; then
        inst="$WINEPREFIX/drive_c/Program Files/Corvane Scripter Tools"
        menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvane Scripter Tools.lnk"
        root=HKLM
    else
        inst=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs)/"Corvane Scripter Tools"
        menu=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs)/"Corvane Scripter Tools.lnk"
        root=HKCU
    fi
    for f in corvane-scripter.exe corvane-script.exe Qt6Widgets.dll platforms/qwindows.dll uninstall.exe LICENSE.txt; do
        [ -f "$inst/$f" ] || fail "not installed: $inst/$f"
    done
    [ -f "$menu" ] || fail "no Start Menu entry: $menu"
    wine reg query "$root\\$key" /reg:64 /v UninstallString | grep -q 'uninstall.exe' || fail "no Uninstall key in $root"

    if [ "$mode" = /AllUsers ]; then
        # Program Files is writable under Wine, so this is the installed copy's own choice.
        compile_example "$inst/corvane-script.exe"
        load_example "$(win_path "$inst")\\corvane-scripter.exe" "$out/installed.png"
        [ ! -e "$inst/editor.ini" ] || fail "an installed copy wrote editor.ini into its program folder"
        grep -qi "skirmish.dat" "$WINEPREFIX"/drive_c/users/*/AppData/Local/Corvane/"Corvane Scripter Tools"/editor.ini ||
            fail "the installed editor kept no editor.ini in the user's AppData"
    fi

    # The author's files in the program folder survive the uninstaller.
    printf 'START_SCRIPT\r\n' > "$inst/my-script.txt"
    printf '[SECTION=RECENT]\r\n' > "$inst/editor.ini"
    wine "$inst/uninstall.exe" "$mode" /S
    wineserver -w
    left=$(cd "$inst" && find . -mindepth 1 | sort | tr '\n' ' ')
    [ "$left" = "./editor.ini ./my-script.txt " ] || fail "the uninstaller left or removed: $left"
    [ ! -e "$menu" ] || fail "the Start Menu entry stayed"
    if wine reg query "$root\\$key" /reg:64 >/dev/null 2>&1; then fail "the Uninstall key stayed"; fi
    echo "installed, started and uninstalled ($mode)"
}
round_trip /AllUsers
round_trip /CurrentUser
wineserver -k 2>/dev/null || true
rm -rf "$out"/prefix-*  # about 700 MB each; a failed run keeps them to look into
echo "Windows downloads OK"
