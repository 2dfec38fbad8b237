#!/bin/sh
# End-to-end test of `corvane-script lsp` with a language client nobody here wrote: Neovim, headless.
# Usage: run_neovim_test.sh CORVANE_SCRIPT_EXE. Exit status 77 (skipped) only when nvim is absent.
set -eu
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
command -v nvim >/dev/null 2>&1 || { echo "nvim is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ai"
cp "$here/script.txt" "$work/ai/script.txt"
cp "$here/script.txt" "$work/ai/second.txt"
CORVANE_SCRIPT=$exe CORVANE_SCRIPT_FILE=$work/ai/script.txt CORVANE_SECOND_FILE=$work/ai/second.txt \
    CORVANE_RECIPE=$here/../../../editors/neovim/corvane-script.lua CORVANE_RESULT=$work/result.txt HOME=$work \
    XDG_STATE_HOME=$work XDG_CACHE_HOME=$work timeout 120 nvim --headless -u NONE -i NONE -n \
    -c "luafile $here/client.lua" </dev/null >/dev/null 2>&1 || true
. "$here/../result_checks.sh"
read_result Neovim
expect '^server exit 0$'
expect '^clients 1 attached 2$'
expect '^diagnostic 3:5-3:20 1 .*STATE_FETCH_WOD'
expect '^completion 116 commands 116 STATE_FETCH_WOOD yes$'
# The buffer after Neovim applied the edits holds what `format` prints, without blanks at line ends.
laid_out "$work/ai/script.txt" "$work/expected.txt"
sed -n '/^formatted$/,$p' "$work/result.txt" | tail -n +2 > "$work/formatted.txt"
diff "$work/expected.txt" "$work/formatted.txt" || { echo "MISMATCH: formatting"; fail=1; }
exit $fail
