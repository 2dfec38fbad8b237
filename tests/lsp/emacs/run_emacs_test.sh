#!/bin/sh
# End-to-end test of `corvane-script lsp` with Emacs's own language client (eglot), headless:
# diagnostics, completion after "DO ", and formatting that keeps each file's line ends.
# Usage: run_emacs_test.sh CORVANE_SCRIPT_EXE. Exit status 77 (skipped) when Emacs or eglot is absent.
set -eu
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
command -v emacs >/dev/null 2>&1 || { echo "emacs is not installed: skipped"; exit 77; }
emacs --batch --eval "(require 'eglot)" >/dev/null 2>&1 ||
    { echo "eglot is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ai"
tr -d '\r' < "$here/../neovim/script.txt" > "$work/ai/lf.txt"
sed 's/$/\r/' "$work/ai/lf.txt" > "$work/ai/crlf.txt"
CORVANE_SCRIPT=$exe CORVANE_SCRIPT_FILES="$work/ai/lf.txt $work/ai/crlf.txt" CORVANE_RESULT=$work/result.txt \
    HOME=$work timeout 120 emacs --batch -l "$here/client.el" </dev/null >"$work/emacs.log" 2>&1 || true
. "$here/../result_checks.sh"
read_result Emacs "$work/emacs.log"
expect '^file lf.txt mode corvane-ai-script-mode eol 0$'
expect '^file crlf.txt mode corvane-ai-script-mode eol 1$'
expect '^diagnostic lf.txt 3:5 eglot-error .*STATE_FETCH_WOD'
expect '^diagnostic crlf.txt 3:5 eglot-error .*STATE_FETCH_WOD'
[ "$(grep -c '^completion 116 STATE_FETCH_WOOD yes$' "$work/result.txt")" -eq 2 ] ||
    { echo "MISSING: the 116 commands offered after DO in both files"; fail=1; }
expect '^servers 1 exit 0$'  # one server for the folder, shut down cleanly
# Saved files: what `format` prints, in each file's own line ends, with no blank at a line end.
laid_out "$work/ai/lf.txt" "$work/expected.txt"
cmp "$work/expected.txt" "$work/ai/lf.txt" || { echo "MISMATCH: the LF file"; od -c "$work/ai/lf.txt" | head; fail=1; }
sed 's/$/\r/' "$work/expected.txt" > "$work/expected-crlf.txt"
cmp "$work/expected-crlf.txt" "$work/ai/crlf.txt" ||
    { echo "MISMATCH: the CR LF file"; od -c "$work/ai/crlf.txt" | head; fail=1; }
exit $fail
