#!/usr/bin/env bash
# Reads the resources of built Windows programs with icoutils (wrestool) and ImageMagick and fails unless each
# carries the program icon (16, 32, 48 and 256 px; its 32 px picture is the PNG scaled) and a version
# block whose product version is VERSION. Run by CTest in the Windows build.
# Usage: tools/check-windows-resources.sh VERSION ICON.png PROGRAM.exe...
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 VERSION ICON.png PROGRAM.exe..."; exit 2; }
version=$1 png=$2
shift 2
for tool in wrestool convert identify compare iconv od; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: icoutils, imagemagick)"; exit 2; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The bytes of a file (standard input without one), or UTF-16LE text, as one lowercase hex string.
hex_of_file() { od -An -tx1 -v "$@" | tr -d ' \n'; }
utf16_hex() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex_of_file; }
# The little-endian 32-bit word at byte $2 of hex string $1, in decimal.
dword_at() {
    local h=${1:$(($2 * 2)):8}
    echo $((16#${h:6:2}${h:4:2}${h:2:2}${h:0:2}))
}

IFS=. read -r major minor patch <<<"$version"
status=0
fail() { echo "FAILED: $exe: $*"; status=1 exe_ok=0; }
for exe in "$@"; do
    exe_ok=1
    list=$(wrestool -l "$exe" 2>&1) || true
    echo "$list"
    grep -q -- '--type=14 ' <<<"$list" || { fail "has no icon group"; continue; }
    grep -q -- '--type=16 ' <<<"$list" || { fail "has no version resource"; continue; }

    # The fixed part of the version block: signature 0xFEEF04BD, then the file and product versions.
    wrestool -x --raw --type=16 "$exe" >"$tmp/version.bin"
    ver=$(hex_of_file "$tmp/version.bin")
    rest=${ver%%bd04effe*}
    if [ "$rest" = "$ver" ] || [ $((${#rest} % 2)) -ne 0 ]; then
        fail "version resource without its fixed part"
    else
        at=$((${#rest} / 2))
        product_ms=$(dword_at "$ver" $((at + 16)))
        product_ls=$(dword_at "$ver" $((at + 20)))
        got="$((product_ms >> 16)).$((product_ms & 0xffff)).$((product_ls >> 16)).$((product_ls & 0xffff))"
        [ "$got" = "$major.$minor.$patch.0" ] || fail "fixed product version is $got, not $version.0"
    fi
    # The texts Properties shows: key, its terminator, padding to 32 bits, value, terminator.
    for pair in "ProductVersion=$version" "FileVersion=$version" "ProductName=Corvane Scripter Tools" \
        "CompanyName=Corvane"; do
        key=${pair%%=*} value=${pair#*=}
        grep -Eq "$(utf16_hex "$key")0000(0000)?$(utf16_hex "$value")0000" <<<"$ver" ||
            fail "no $key \"$value\" in the version block"
    done

    # The icon group as an .ico file: its sizes, and its 32 px picture against the PNG scaled.
    rm -f "$tmp"/*.ico "$tmp"/*.png
    wrestool -x --type=14 -o "$tmp" "$exe"
    icons=("$tmp"/*.ico)
    ico=${icons[0]}
    sizes=$(identify -format '%wx%h\n' "$ico" | sort -n | tr '\n' ' ')
    [ "$sizes" = "16x16 32x32 48x48 256x256 " ] || fail "icon sizes are $sizes, not 16x16 32x32 48x48 256x256"
    index=$(identify -format '%p %wx%h\n' "$ico" | sed -n 's/ 32x32$//p' | head -n 1)
    [ -z "$index" ] || convert "${ico}[$index]" "$tmp/icon32.png"
    if [ ! -f "$tmp/icon32.png" ]; then
        fail "no 32 px icon"
    else
        convert "$png" -resize 32x32 "$tmp/expected32.png"
        # Normalized root mean square difference over every channel, alpha included.
        diff=$(compare -metric RMSE "$tmp/icon32.png" "$tmp/expected32.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' || true)
        awk -v d="$diff" 'BEGIN { exit !(d != "" && d < 0.02) }' ||
            fail "the 32 px icon is not $png scaled (RMSE ${diff:-not comparable})"
    fi
    [ $exe_ok -eq 0 ] || echo "$exe: icon and version $version OK"
done
exit "$status"
