#!/usr/bin/env bash
# The VS Code extension in a real VS Code: the linux-x64 package is installed into code-server
# (tools/code-server.sh), which serves a folder holding an ANSI ai/test.txt, and a headless Chromium
# driven by playwright-core (tests/editors/vscode) checks squiggles, the Problems panel and a hover
# against the words and places of `corvane-script check`, a quick fix, completion, and that saving
# keeps the file's code page. Screenshot at 1366x768.
# Usage: tools/vscode-real-test.sh [SCREENSHOT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
out=$(mkdir -p "$build" && cd "$build" && pwd)/vscode-real
driver=tests/editors/vscode

bash tools/install-deps.sh chromium curl
code_server=$(bash tools/code-server.sh)

# The package must carry the server of the sources at hand, not of an older build.
[ -f "$build/build.ninja" ] && nice -n 10 cmake --build "$build" -j2 --target corvane-script
rm -rf "$out"
mkdir -p "$out/vsix" "$out/workspace/ai" "$out/user-data/User" "$out/extensions"
shot=${1:-$out/vscode.png}
TARGETS=linux-x64 OUT_DIR="$out/vsix" bash tools/vscode-package.sh >"$out/package.log" 2>&1 ||
    { cat "$out/package.log"; echo "FAILED: the linux-x64 package was not built"; exit 1; }
(cd "$driver" && npm ci --no-audit --no-fund --silent)

# A grammar error, then on the same line an unknown word with a suggestion. Between them a word with
# accented letters, written as ANSI (Windows-1252): the extension must open the file in that code page
# for the messages to name the word as the command line does, and the server gets the letters as two
# UTF-8 bytes each but counts places in UTF-16 units, which every place after them proves (the quick
# fix must replace exactly the word).
printf 'START_SCRIPT\n{\n\tDO STATE_DEFEND \xe9t\xe9 DO STATE_FETCH_WOD ON\n}\nENDSCRIPT\n' >"$out/workspace/ai/test.txt"
"$build/cli/corvane-script" check "$out/workspace/ai/test.txt" >"$out/check.txt" 2>&1 || true
[ "$(grep -c ': error: ' "$out/check.txt")" -eq 2 ] ||
    { cat "$out/check.txt"; echo "FAILED: the check should find two errors in the test script"; exit 1; }

cat >"$out/user-data/User/settings.json" <<'EOF'
{
  "security.workspace.trust.enabled": false,
  "telemetry.telemetryLevel": "off",
  "workbench.startupEditor": "none",
  "workbench.tips.enabled": false,
  "extensions.autoCheckUpdates": false,
  "extensions.autoUpdate": false,
  "update.mode": "none",
  "git.enabled": false,
  "workbench.reduceMotion": "on"
}
EOF
common=(--config "$out/config.yaml" --user-data-dir "$out/user-data" --extensions-dir "$out/extensions")
"$code_server" "${common[@]}" --install-extension "$out"/vsix/corvane-ai-script-linux-x64-*.vsix >"$out/install.log" 2>&1 ||
    { cat "$out/install.log"; echo "FAILED: code-server did not install the package"; exit 1; }

port=$(node -e "const s=require('net').createServer().listen(0,'127.0.0.1',()=>{console.log(s.address().port);s.close()})")
server_pid=""
driver_pid=""
cleanup() {
    # Each ran in a process group of its own: code-server with its extension host and our language
    # server, the driver with Chromium.
    [ -n "$driver_pid" ] && kill -- "-$driver_pid" 2>/dev/null || true
    [ -n "$server_pid" ] && kill -- "-$server_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 1' INT TERM
setsid "$code_server" "${common[@]}" --bind-addr "127.0.0.1:$port" --auth none --disable-telemetry \
    --disable-update-check --disable-workspace-trust --disable-getting-started-override \
    --ignore-last-opened "$out/workspace" >"$out/code-server.log" 2>&1 &
server_pid=$!
for _ in $(seq 120); do
    curl -fs "http://127.0.0.1:$port/healthz" >/dev/null && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$out/code-server.log"; echo "FAILED: code-server exited"; exit 1; }
    sleep 0.5
done
curl -fs "http://127.0.0.1:$port/healthz" >/dev/null ||
    { cat "$out/code-server.log"; echo "FAILED: code-server did not answer on port $port"; exit 1; }

CORVANE_FAILED_SHOT="$out/failed.png" setsid node "$driver/real-vscode.js" "http://127.0.0.1:$port/?folder=$out/workspace" "$out/workspace/ai/test.txt" "$out/check.txt" "$shot" &
driver_pid=$!
status=0
wait "$driver_pid" || status=$?
driver_pid=""
if [ $status -ne 0 ]; then
    echo "code-server's log: $out/code-server.log; screenshot of the failure: $out/failed.png"
    exit 1
fi
echo "screenshot: $shot"
