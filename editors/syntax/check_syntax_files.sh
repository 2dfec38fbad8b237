#!/bin/sh
# Fails when a committed syntax file differs from what the word tables give now.
# Usage: check_syntax_files.sh CORVANE_SYNTAX_FILES_EXE EDITORS_FOLDER
set -eu
generator=$1
editors=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/vscode/syntaxes" "$out/kate"
"$generator" "$out"
fail=0
for file in vscode/syntaxes/corvane-ai-script.tmLanguage.json kate/corvane-ai-script.xml; do
    if ! cmp -s "$editors/$file" "$out/$file"; then
        echo "editors/$file is not what the word tables give: run corvane-syntax-files editors"
        diff -u "$editors/$file" "$out/$file" | head -40 || true
        fail=1
    fi
done
exit $fail
