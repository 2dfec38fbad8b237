#!/usr/bin/env bash
# The VS Code extension's checks: the TextMate grammar on annotated lines of every kind of word
# (vscode-tmgrammar-test), then both platform packages built and their contents checked.
set -euo pipefail
cd "$(dirname "$0")/.."
extension=editors/vscode
bash tools/install-deps.sh unzip file
# npm comes with Node.js where Node.js is not Debian's own; only then is Debian's npm wanted.
command -v npm >/dev/null || bash tools/install-deps.sh npm
(cd "$extension" && { [ -d node_modules ] || npm ci --no-audit --no-fund; } && npm run --silent test:grammar)

out=${OUT_DIR:-${BUILD_DIR:-build}/vscode}
rm -f "$out"/*.vsix
OUT_DIR=$out bash tools/vscode-package.sh
version=$(node -p "require('./$extension/package.json').version")
fail=0
for target in linux-x64 win32-x64; do
    package="$out/corvane-ai-script-$target-$version.vsix"
    [ -f "$package" ] || { echo "MISSING: $package"; fail=1; continue; }
    listing=$(unzip -l "$package")
    server=extension/server/corvane-script
    [ "$target" = win32-x64 ] && server=$server.exe
    for entry in extension.vsixmanifest extension/package.json extension/client/extension.js \
                 extension/syntaxes/corvane-ai-script.tmLanguage.json extension/language-configuration.json \
                 extension/node_modules/vscode-languageclient/package.json "$server"; do
        grep -q " $entry\$" <<<"$listing" || { echo "MISSING in $target: $entry"; fail=1; }
    done
    for unwanted in extension/test/ extension/node_modules/vscode-tmgrammar-test/ extension/node_modules/@vscode/vsce/; do
        ! grep -q " $unwanted" <<<"$listing" || { echo "UNWANTED in $target: $unwanted"; fail=1; }
    done
    # The manifest names the package's platform, and the server is a program of that platform.
    unzip -p "$package" extension.vsixmanifest | grep -q "TargetPlatform=\"$target\"" ||
        { echo "WRONG manifest platform in $target"; fail=1; }
    kind=$(unzip -p "$package" "$server" | file -b -)
    case $target in
        linux-x64) grep -q "ELF 64-bit.*x86-64" <<<"$kind" ;;
        win32-x64) grep -q "PE32+ executable.*x86-64" <<<"$kind" ;;
    esac || { echo "WRONG server in $target: $kind"; fail=1; }
done
[ $fail -eq 0 ] && echo "VS Code packages: 2 passed, 0 failed" || echo "VS Code packages: failed"
exit $fail
